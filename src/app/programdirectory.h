#pragma once

#include <QString>

#include <string>

// The folder of the program file, which holds the settings files, the last
// run and the presets, in the file system's own encoding.
std::string programDirectory();

// File names cross between Qt and the core in the file system's encoding.
std::string toFileName(const QString& path);
QString fromFileName(const std::string& fileName);
