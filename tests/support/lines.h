#pragma once

#include "foundation/text.h"

#include <string>
#include <vector>

// Text blocks as vectors, so that whole blocks compare in one expectation.
inline std::vector<std::string> linesOf(const Text_& text) {
    return {text.begin(), text.end()};
}

inline Text_ textOf(const std::vector<std::string>& lines) {
    Text_ text;
    for (const std::string& line : lines)
        text.add(line);
    return text;
}
