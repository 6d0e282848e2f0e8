#pragma once

#include <QRect>

// Sizes of the parameter animation window.

inline constexpr int animationClientWidth = 550;
inline constexpr int animationClientHeight = 106;

// The parameter combo box: its width, the height of its items and how many
// the drop-down shows at most.
inline constexpr int parameterListWidth = 345;
inline constexpr int parameterItemHeight = 16;
inline constexpr int parameterListVisibleItems = 40;

// The top row: "Parameter" and the combo box, then "Value" and the value,
// printed from this far right of the label to the right edge.
inline constexpr QRect parameterLabelRect(8, 16, 60, 21);
inline constexpr QRect parameterListRect(70, 16, parameterListWidth, 21);
inline constexpr QRect valueLabelRect(427, 16, 32, 21);
inline constexpr int valueGap = 7;
inline constexpr int valueHeight = 21;
inline constexpr int valuePixelsAnimation = 11;

// The row of value fields and the "Play" switch: from the left margin, one
// field height, this far apart, their bottom this far above the window's.
inline constexpr int rowLeft = 8;
inline constexpr int rowFieldHeight = 41;
inline constexpr int rowGap = 6;
inline constexpr int rowBottomMargin = 15;
inline constexpr int fieldButtonWidth = 20;
// "Move from", "Move to", "Motion", "Period" and "Play", left to right.
inline constexpr int rowWidths[] = {90, 90, 150, 90, 90};
