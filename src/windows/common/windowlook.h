#pragma once

#include <QColor>
#include <QFont>

// Colours, factors and type sizes of the look that all windows share.

inline constexpr QColor windowColour(212, 208, 200);
inline constexpr QColor indicatorOnColour(255, 255, 0);

// The shared button look: a box of colour B shaded from B * 1.1 at the top to
// B * 0.9 at the bottom, with a top edge of B * 1.2 and a bottom edge of B * 0.8.
inline constexpr double bevelTopShade = 1.1;
inline constexpr double bevelBottomShade = 0.9;
inline constexpr double bevelLightEdge = 1.2;
inline constexpr double bevelDarkEdge = 0.8;

// A value field's box is the window colour scaled by one of these.
inline constexpr double valueFieldShade = 0.9;
inline constexpr double valueFieldDarkShade = 0.75;
// A switch's indicator strip when off: the box colour scaled by this.
inline constexpr double indicatorOffShade = 0.6;

// The face asked for everywhere; where it is missing the platform's default
// sans serif face stands in.
inline constexpr const char* uiFontFamily = "Tahoma";
// Captions and titles, and the bold value texts of value fields.
inline constexpr int captionPixels = 11;
inline constexpr int valuePixels = 15;

inline QFont uiFont(int pixels, bool bold = false) {
    QFont font(uiFontFamily);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
