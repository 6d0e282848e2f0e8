#pragma once

#include <string>

// Small text helpers of the SBML exchange.

// The text with &, <, > and " as XML entities.
std::string escapeXml(const std::string& text);
// ` name="value"`, the value escaped.
std::string attribute(const std::string& name, const std::string& value);
// UTF-8 to Windows-1252; a character it cannot hold becomes '?'.
std::string utf8ToWindows1252(const std::string& text);
// Writes the text beside the file and renames it over the file, so that a
// failed write leaves an earlier file as it was.
bool writeWholeFile(const std::string& fileName, const std::string& text);
