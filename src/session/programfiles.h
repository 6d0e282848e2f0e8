#pragma once

#include <cstdint>
#include <string>

// The settings files, kept in the settings directory (the program's own
// directory when it is writable).
inline constexpr const char* preferencesFileName = "prefs.cfg";
inline constexpr const char* recentFilesFileName = "recent.cfg";
inline constexpr const char* lastRunFileName = "lastRun.vsn";
// Where a last run that cannot be opened at start-up is moved, so that the
// session written at exit does not destroy it.
inline constexpr const char* unreadableLastRunFileName = "lastRun.unreadable.vsn";
// Beside the program file, read only.
inline constexpr const char* presetsDirectoryName = "Presets";

// The settings files hold a few dozen short lines; anything far larger is not
// one of them and is not read into memory.
inline constexpr std::uintmax_t maxConfigFileBytes = 1 << 20;

// `directory` joined with `name`; the directory may end in a separator or be
// empty (the current directory).
std::string programFile(const std::string& directory, const std::string& name);

// False when the file exists and is larger than `maxConfigFileBytes`; an
// empty name or a missing file passes (reading reports those itself).
bool fitsConfigFileLimit(const std::string& fileName);
