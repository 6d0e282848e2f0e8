#pragma once

#include <QColor>

// Sizes and colours of the equations view.

// Type sizes and offsets of one of the two metrics, normal and large.
struct EquationsMetrics {
    int lineHeight;
    int normalPixels;
    int smallPixels;
    // Text centre of superscripts above and of subscripts below the normal one.
    int superscriptRise;
    int subscriptDrop;
    // Step of x when normal text resumes.
    int normalStep;
    // The d/dt fraction: "d" this far above the line top, the bar this long,
    // "dt" this far below the line top, then x advances by ddtAdvance.
    int ddtRise;
    int ddtBarLength;
    int ddtDrop;
    int ddtAdvance;
    // Length of the two strokes of a reaction arrow's head.
    int arrowHead;
};

inline constexpr EquationsMetrics normalEquationsMetrics{14, 11, 9, 4, 5, 1, 5, 9, 7, 8, 4};
inline constexpr EquationsMetrics largeEquationsMetrics{24, 17, 11, 8, 9, -1, 8, 14, 10, 12, 6};

// Reaction arrows: a gap, the shaft, and the advance past the arrow.
inline constexpr int reactionArrowGap = 4;
inline constexpr int reactionArrowLength = 20;
inline constexpr int reactionArrowAdvance = 25;

// Sort arrows: triangles this far right of the text origin, in boxes this
// wide, from 6 to 1 pixels above (up) and below (down) the line middle.
inline constexpr int sortArrowOffset = 12;
inline constexpr int sortArrowWidth = 10;
inline constexpr int sortArrowFar = 6;
inline constexpr int sortArrowNear = 1;
inline constexpr QColor sortArrowColour(255, 192, 0);

// The notebook page: a margin round the page, punched holes and ruled lines.
inline constexpr int notebookMargin = 7;
inline constexpr double holeCentreFactor = 1.28;
inline constexpr double holeRadiusFactor = 0.4;
inline constexpr QColor notebookBackground(216, 216, 216);
inline constexpr QColor ruleColour(236, 236, 255);

// The clean and notebook page and ink.
inline constexpr QColor paperColour(255, 255, 255);
inline constexpr QColor inkColour(40, 40, 144);

// The scroll bar: from 18 to 8 pixels left of the right edge, 16 pixels
// clear of the top and bottom; the thumb stays 2 pixels inside the frame.
inline constexpr int scrollBarLeftInset = 18;
inline constexpr int scrollBarRightInset = 8;
inline constexpr int scrollBarEndInset = 16;
inline constexpr int scrollThumbInset = 2;
inline constexpr QColor plainScrollFrame(192, 192, 192);
inline constexpr QColor plainScrollThumb(216, 216, 216);

struct EquationsColours {
    QColor page;
    QColor text;
    QColor scrollFrame;
    QColor scrollThumb;
};

// The colours of an equations style; the "System" style borrows those of
// the reaction system view's colour scheme (values as in Preferences).
EquationsColours equationsColours(int style, int systemScheme);
