#pragma once

#include <QColor>

// Sizes, positions and colours of the kinetics plot window.

// The plot rectangle inside the client area.
inline constexpr int plotLeft = 100;
inline constexpr int plotTop = 16;
inline constexpr int plotRightGap = 8;
inline constexpr int plotBottomGap = 44;

// The frame round the plot: top and left dark, bottom and right light.
inline constexpr double plotFrameDark = 0.6;
inline constexpr double plotFrameLight = 1.4;

// Controls.
inline constexpr int toggleWidth = 56;
inline constexpr int toggleHeight = 25;
inline constexpr int fieldHeight = 15;
inline constexpr int fieldLeft = 8;
// A value field is the plot's left edge less this wide.
inline constexpr int fieldWidthCut = 15;
inline constexpr int optionsLeft = 7;
inline constexpr int optionsWidthCut = 39;
inline constexpr int fieldTextPixels = 11;

// The plot's colours: the window colour scaled by these factors.
struct KineticsColourFactors {
    double background;
    double grid;
    double zero;
    double text;
};
inline constexpr KineticsColourFactors defaultSchemeFactors{0.75, 0.81, 0.5, 0};
inline constexpr KineticsColourFactors highContrastFactors{0, 0.25, 0.6, 100};
// The dim legend colour lies this far from the background towards the text.
inline constexpr double dimBlend = 0.25;

// Curves and the legend.
inline constexpr int maxGridTicks = 8;
inline constexpr QColor observationColour(255, 192, 160);
inline constexpr const char* observationCaption = "Weighted Observation";
inline constexpr const char* timeCaption = "Time";
inline constexpr int legendFirstRow = 14;
inline constexpr int legendRowStep = 14;
inline constexpr int legendLargeRowStep = 18;
inline constexpr int legendTextPixels = 11;
inline constexpr int legendLargeTextPixels = 17;
// From the right edge to the x-axis marker, from there to the visibility
// marker and on to the name's right end.
inline constexpr int legendRightInset = 12;
inline constexpr int legendMarkerSpacing = 13;
inline constexpr int legendNameSpacing = 9;
inline constexpr int legendHitReach = 6;
inline constexpr int observationRightInset = 8;
inline constexpr int visibilityOuter = 5;
inline constexpr int visibilityInner = 3;
// The x-axis caption's centre above the bottom.
inline constexpr int captionRise = 17;
inline constexpr int largeCaptionRise = 19;

// The animation indicator at the top centre.
inline constexpr double indicatorHalfWidth = 0.15;
inline constexpr QColor indicatorStripColour(28, 28, 28);
inline constexpr int indicatorFrameTop = 18;
inline constexpr int indicatorFrameBottom = 27;
inline constexpr int indicatorStripTop = 20;
inline constexpr int indicatorStripHeight = 5;
inline constexpr int indicatorLabelTop = 3;
inline constexpr int indicatorRangeTop = 15;
inline constexpr int indicatorLowerGap = 2;
inline constexpr int indicatorUpperGap = 4;
inline constexpr int indicatorPointerTop = 26;
inline constexpr int indicatorPointerRows = 6;
inline constexpr double indicatorFlatRange = 1e-30;
