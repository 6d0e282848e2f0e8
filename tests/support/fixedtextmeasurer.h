#pragma once

#include "foundation/textmeasurer.h"

#include <string>

// A deterministic font for tests: every character is half the pixel height
// wide (one pixel more in bold), and a text is two pixels higher than its
// pixel height. Counts the calls.
class FixedTextMeasurer : public TextMeasurer {
public:
    TextSize measure(const std::string& text, int pixelHeight, bool bold) override {
        ++calls;
        const int charWidth = pixelHeight / 2 + (bold ? 1 : 0);
        return {static_cast<int>(text.size()) * charWidth, pixelHeight + 2};
    }

    int calls = 0;
};
