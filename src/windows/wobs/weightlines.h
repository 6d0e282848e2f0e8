#pragma once

#include <string>

// The lines of the weighted observation window's list, in a fixed-pitch
// font so that the weights stand in one column.

inline constexpr int nameColumnWidth = 40;

// The name padded with blanks to 40 characters; a longer one is cut to its
// first 37 characters followed by "...". Names are single-byte texts, so
// characters are bytes.
std::string fitName(const std::string& name);

// The fitted name, a blank and the weight as a formatted number.
std::string weightLine(const std::string& name, double weight);
