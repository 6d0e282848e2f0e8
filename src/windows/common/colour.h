#pragma once

#include <QColor>

// The model keeps colours as 24-bit integers with red in the low byte
// (0x00BBGGRR); the bits above are ignored.
QColor toQColor(int colour);
int fromQColor(const QColor& colour);

// Multiplies red, green and blue by the factor, rounds each to the nearest
// integer and keeps it within 0..255.
QColor scaleColour(const QColor& colour, double factor);
