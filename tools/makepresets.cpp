// Writes the ready-made sessions of the "Presets" folder and reports how each
// one computes. Usage: velumbra-makepresets DIRECTORY
#include "presetbuilder.h"
#include "presetcatalogue.h"

#include "session/program.h"

#include <algorithm>
#include <iomanip>
#include <iostream>

namespace {

// Opens the saved file as the program does, which computes it at once.
void report(const Preset& preset, const std::string& file) {
    Program program("");
    if (!program.openSession(file)) {
        std::cout << preset.name << ": cannot be opened\n";
        return;
    }
    std::string verdict = program.status.empty() ? "not computed" : program.status;
    std::replace(verdict.begin(), verdict.end(), ';', ' ');
    std::cout << std::left << std::setw(40) << preset.name << ' ' << verdict << '\n';
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "Usage: velumbra-makepresets DIRECTORY\n";
        return 2;
    }
    const std::string directory = argv[1];
    std::vector<Preset> presets;
    try {
        presets = presetCatalogue();
    } catch (const PresetError& e) {
        std::cerr << "A preset cannot be drawn: " << e.what() << '\n';
        return 1;
    }
    if (!savePresets(presets, directory)) {
        std::cerr << "Failed to write the presets to " << directory << '\n';
        return 1;
    }
    for (const Preset& preset : presets)
        report(preset, preset.session.fileName);
    return 0;
}
