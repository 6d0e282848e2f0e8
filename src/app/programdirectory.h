#pragma once

#include <QString>

#include <string>

// The folder of the program file, which holds the presets and the help, in
// the file system's own encoding.
std::string programDirectory();

// Where "prefs.cfg", "recent.cfg" and "lastRun.vsn" live: `programDirectory`
// when a file can be created in it, otherwise `fallback`, which is created
// when missing (an empty fallback: no settings files at all). An installed
// program usually may not write beside itself.
QString settingsDirectoryFor(const QString& programDirectory, const QString& fallback);

// `settingsDirectoryFor` with the user's configuration directory for the
// program as the fallback.
std::string settingsDirectory(const std::string& programDirectory);

// True when a new file can be created in `directory` (and was removed again).
// Tried rather than read from permission bits, which do not bind every user.
bool canCreateFilesIn(const QString& directory);

// File names cross between Qt and the core in the file system's encoding.
std::string toFileName(const QString& path);
QString fromFileName(const std::string& fileName);
