#pragma once

#include <QRect>

// Sizes of the weighted observation window.

inline constexpr int wobsClientWidth = 401;
inline constexpr int wobsClientHeight = 321;
inline constexpr int wobsMargin = 8;

// The top row: the two check boxes, "Global factor" and the factor, which
// is printed in a white box that takes a click.
inline constexpr QRect activeBoxRect(wobsMargin, 14, 64, 20);
inline constexpr QRect derivativeBoxRect(76, 14, 136, 20);
inline constexpr QRect globalFactorRect(300, 14, wobsClientWidth - wobsMargin - 300, 20);
// "Global factor" ends this far left of the factor's box.
inline constexpr int globalFactorLabelGap = 6;

// The separator line, the headings and the list below them.
inline constexpr int separatorY = 44;
inline constexpr int headingTop = 50;
inline constexpr int headingHeight = 16;
inline constexpr int listTop = 68;
inline constexpr int listFontPixels = 12;

// The two painted buttons along the bottom edge: 24 pixels high, their top
// 38 pixels above the bottom, the first at the left margin and the second
// 4 pixels to its right, each half the width inside the margins less 2.
inline constexpr int bottomButtonHeight = 24;
inline constexpr int bottomButtonRise = 38;
inline constexpr int bottomButtonGap = 4;
inline constexpr int listBottomGap = 8;

inline QRect zeroButtonRect(int clientWidth, int clientHeight) {
    return {wobsMargin, clientHeight - bottomButtonRise, (clientWidth - 2 * wobsMargin) / 2 - 2,
            bottomButtonHeight};
}
inline QRect oneButtonRect(int clientWidth, int clientHeight) {
    const QRect zero = zeroButtonRect(clientWidth, clientHeight);
    return zero.translated(zero.width() + bottomButtonGap, 0);
}
