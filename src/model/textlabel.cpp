#include "model/textlabel.h"

#include "model/poi_dist.h"

#include <algorithm>

namespace {

// Wider than any label of the drawing can be.
constexpr int maxLabelExtent = 10000;

} // namespace

TextSize measureLabel(TextMeasurer* measurer, const std::string& text, int pixelHeight) {
    if (!measurer) return {};
    const TextSize size = measurer->measure(text, pixelHeight, false);
    return {std::clamp(size.width, 0, maxLabelExtent), std::clamp(size.height, 0, maxLabelExtent)};
}

int labelRectDistance(Poi centre, TextSize size, Poi p) {
    const Poi half = halfSize(size);
    Poi_Dist dist(p);
    dist.addRectangle(centre - half, centre + half);
    return dist.best;
}

void addLabelRect(Poi_Extent& extent, Poi centre, TextSize size) {
    const Poi half = halfSize(size);
    extent.add(centre - half);
    extent.add(centre + half);
}
