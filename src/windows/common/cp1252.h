#pragma once

#include <QString>

#include <string>

// Texts in the model and in files are single-byte Windows-1252; Qt works in
// Unicode. Every text crosses the boundary through these two functions.
QString fromCp1252(const std::string& text);

// Characters that Windows-1252 cannot hold become "?".
std::string toCp1252(const QString& text);
