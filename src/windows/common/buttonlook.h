#pragma once

#include "windows/common/windowlook.h"

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

// The program's painted buttons, value fields and switches. Each function
// draws into the painter at the rectangle and returns the areas a click may
// hit, in the painter's coordinates.

// The clickable areas of a value field; plus and minus are empty when the
// field has no buttons.
struct ValueFieldRects {
    QRect field;
    QRect plus;
    QRect minus;
};

// The shared button look: a box of colour box, shaded from top to bottom,
// with a light top and left edge and a dark bottom and right edge.
void paintBevel(QPainter& painter, const QRect& rect, const QColor& box);

// A caption centred on a bevelled box of the window colour.
void paintButton(QPainter& painter, const QRect& rect, const QString& caption);

// A bevelled box of the window colour scaled by 0.9 (0.75 with white text),
// the title in small type at (5, 5), the value in bold large type at (5, 20),
// and at the right edge "+" over "-" buttons buttonWidth wide (none for 0).
ValueFieldRects paintValueField(QPainter& painter, const QRect& rect, const QString& title,
                                const QString& value, int buttonWidth, bool whiteText = false);

// A bevelled box with the text centred and an indicator strip from 2 to 5
// pixels in at its left: yellow when on, the box colour scaled by 0.6 when off.
QRect paintSwitch(QPainter& painter, const QRect& rect, const QString& text, bool on,
                  const QColor& box = windowColour);

// The same box and text without the indicator strip.
QRect paintSwitchWithoutIndicator(QPainter& painter, const QRect& rect, const QString& text,
                                  const QColor& box = windowColour);
