#pragma once

#include "foundation/textmeasurer.h"
#include "model/poi.h"
#include "model/poi_extent.h"

#include <string>

// Text labels of the drawing: a text centred on a point, whose rectangle is
// the centre plus and minus half the text's size.

// Marks of a parameter label: the parameter is animated (the plus-minus sign
// is byte 0xB1, texts being Windows-1252), the direction has switch times.
inline constexpr const char* animatedSuffix = " \xB1 anim";
inline constexpr const char* switchedSuffix = " !";

// The size of a label text, (0, 0) without a measurer. A measurer's answer is
// kept within a sane range so that positions derived from it cannot overflow.
TextSize measureLabel(TextMeasurer* measurer, const std::string& text, int pixelHeight);

// Half the size, truncated.
inline Poi halfSize(TextSize size) {
    return {size.width / 2, size.height / 2};
}

// The hit distance to the label's rectangle, 0 inside it.
int labelRectDistance(Poi centre, TextSize size, Poi p);

// Widens the box by the label's rectangle.
void addLabelRect(Poi_Extent& extent, Poi centre, TextSize size);
