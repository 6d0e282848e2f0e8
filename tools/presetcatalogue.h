#pragma once

#include "session/reactorsession.h"

#include <string>
#include <vector>

// One ready-made session of the "Presets" folder.
struct Preset {
    // The file name without ".vsn", which is what the Presets menu shows: it
    // holds no "." and starts with the number that keeps the teaching order.
    std::string name;
    ReactorSession session;
};

// Every preset, in teaching order.
std::vector<Preset> presetCatalogue();

// Saves each preset as `directory`/name.vsn with the file precision; false
// at the first file that cannot be written.
[[nodiscard]] bool savePresets(std::vector<Preset>& presets, const std::string& directory);
