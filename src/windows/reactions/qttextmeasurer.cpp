#include "windows/reactions/qttextmeasurer.h"

#include "windows/common/cp1252.h"
#include "windows/common/windowlook.h"

#include <algorithm>

namespace {

// No label of the drawing needs more; a wild height from elsewhere cannot ask
// the font engine for a giant face.
constexpr int maxPixelHeight = 200;

} // namespace

QFont QtTextMeasurer::drawingFont(int pixelHeight, bool bold) {
    return uiFont(std::clamp(pixelHeight, 1, maxPixelHeight), bold);
}

TextSize QtTextMeasurer::measure(const std::string& text, int pixelHeight, bool bold) {
    const std::pair<int, bool> key{std::clamp(pixelHeight, 1, maxPixelHeight), bold};
    auto it = metrics_.find(key);
    if (it == metrics_.end())
        it = metrics_.emplace(key, QFontMetrics(drawingFont(key.first, bold))).first;
    return {it->second.horizontalAdvance(fromCp1252(text)), it->second.height()};
}
