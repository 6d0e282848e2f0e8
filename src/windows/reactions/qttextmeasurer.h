#pragma once

#include "foundation/textmeasurer.h"

#include <QFont>
#include <QFontMetrics>

#include <map>
#include <utility>

// Measures texts with the font metrics of the drawing font, so that the
// model's label positions and hit rectangles match what the renderer draws.
// Texts are Windows-1252.
class QtTextMeasurer : public TextMeasurer {
public:
    // The width is the text's advance and the height the font's line height.
    TextSize measure(const std::string& text, int pixelHeight, bool bold) override;

    // The drawing font at a character height of pixelHeight pixels: "Tahoma",
    // or the platform's sans serif face where it is missing.
    static QFont drawingFont(int pixelHeight, bool bold = false);

private:
    // Every layout measures each label again; the few fonts are kept.
    std::map<std::pair<int, bool>, QFontMetrics> metrics_;
};
