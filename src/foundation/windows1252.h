#pragma once

#include <string>

// Texts in the model and in files are single-byte Windows-1252.

// The Unicode code point of one Windows-1252 byte; the five unassigned bytes
// map to the C1 controls of the same value.
char32_t windows1252ToUnicode(unsigned char byte);

// The byte for a code point, or '?' when Windows-1252 cannot hold it.
char unicodeToWindows1252(char32_t codePoint);

// The text in UTF-8.
std::string windows1252ToUtf8(const std::string& text);
