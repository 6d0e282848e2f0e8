#pragma once

#include <string>

// A text that a function plot paints after all lines and curves: its
// Windows-1252 text, the top-left corner in pixels and its colour (0x00BBGGRR).
class FnDisplayer_label {
public:
    std::string text;
    int x = 0;
    int y = 0;
    int colour = 0;
};
