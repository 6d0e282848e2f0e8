#pragma once

#include <string>

// Width and height of a text in pixels.
struct TextSize {
    int width = 0;
    int height = 0;
    bool operator==(const TextSize&) const = default;
};

// Measures texts in the drawing's font. Label positions and hit rectangles
// depend on it; the program answers from its font metrics, tests from a
// deterministic fake.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // The size of `text` in the drawing font at a character height of
    // `pixelHeight` pixels.
    virtual TextSize measure(const std::string& text, int pixelHeight, bool bold) = 0;
};
