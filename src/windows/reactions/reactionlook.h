#pragma once

#include <QColor>

// Colours and sizes of the reaction system drawing. Colours are written as the
// model keeps them, 0x00BBGGRR (red in the low byte).

// The colours of one colour scheme; where a colour depends on the selection
// the selected variant comes first.
struct ReactionColours {
    int background;
    int grid;
    int centreSelected;
    int centre;
    // Outlines, branches, arrowheads and the component frame.
    int outlineSelected;
    int outline;
    int nameText;
    int concentrationText;
    int orderText;
    // Forward rate constant text and forward colour code.
    int forward;
    // Backward rate constant text and backward colour code.
    int backward;
};

// Indexed by the "Color scheme#system" preference: "Default", "Mystery",
// "Open-air reactions".
inline constexpr ReactionColours reactionSchemes[] = {
    {0x000000, 0x585858, 0xA0A0A0, 0x484848, 0xD0D0D0, 0x686868, 0xE0E0E0, 0x30FF30, 0xE0E0E0,
     0x4040FF, 0xFF9090},
    {0x362010, 0x9C7E60, 0xFF8080, 0xC04040, 0xFFC898, 0xA07048, 0xFFD8D8, 0xFFD8D8, 0xFFC800,
     0x80F800, 0xB0B0FF},
    {0xA0BEBE, 0x000000, 0x00FFFF, 0x008080, 0xD9FFFF, 0x708888, 0x000000, 0x000000, 0x000000,
     0xFFFFFF, 0x00FFFF},
};
inline constexpr int reactionSchemeCount = 3;
inline constexpr int openAirScheme = 2;

// The scheme's colours; an index out of range gives the first scheme.
inline const ReactionColours& reactionColours(int scheme) {
    return reactionSchemes[scheme >= 0 && scheme < reactionSchemeCount ? scheme : 0];
}

// The channel-wise mean of the background and the unselected outline: the
// colour of the connection marks.
inline int destinationColour(const ReactionColours& c) {
    int mean = 0;
    for (int shift = 0; shift < 24; shift += 8)
        mean |= ((((c.background >> shift) & 0xFF) + ((c.outline >> shift) & 0xFF)) / 2) << shift;
    return mean;
}

// Grid points stand at every multiple of this (the model's grid unit).
inline constexpr int gridSpacing = 56;

// Components.
inline constexpr int componentImageSize = 23;
// The minimalist circle spans position - 11 to position + 12.
inline constexpr int minimalistRadius = 11;
// The button frame spans position - 10 to position + 11; its face squares
// shrink from 9 to 3 and brighten toward the centre.
inline constexpr int buttonFrameHalf = 10;
inline constexpr int buttonFaceOuter = 9;
inline constexpr int buttonFaceInner = 3;
inline constexpr int buttonMarkHalf = 3;
inline constexpr int minimalistMarkRadius = 5;
inline constexpr int coneMarkRadius = 4;
inline constexpr int destinationRadius = 22;

// Reactions.
inline constexpr int halfDiscRadius = 15;
// The centre dot spans position - 2 to position + 3.
inline constexpr int centreDotHalf = 2;
// Inactive reactions show every 5th branch point.
inline constexpr int dottedBranchStep = 5;
// Drawn branches pass through every 6th point.
inline constexpr int branchPolylineStep = 6;
// A component this close to a branch's outgoing direction gets a straight line.
inline constexpr double straightBranchTolerance = 0.05;
// Arrowheads.
inline constexpr int headLength = 10;
inline constexpr int headWidth = 10;
// The head stands this many branch steps before the component and points
// along the last headDirectionSteps steps.
inline constexpr int headStepsBack = 8;
inline constexpr int headDirectionSteps = 10;
inline constexpr int colourCodeLength = 9;

// Overlays while dragging: the rubber line from the source's edge.
inline constexpr int rubberLineWidth = 2;
inline constexpr int rubberLineStart = 12;

// The drawing surface reaches this far past the drawing and the window.
inline constexpr int extentPadding = 5;
inline constexpr int surfacePadding = 20;
