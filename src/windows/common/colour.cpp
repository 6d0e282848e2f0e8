#include "windows/common/colour.h"

#include <cmath>

namespace {

int scaledChannel(int channel, double factor) {
    const double value = std::round(channel * factor);
    if (!(value > 0)) return 0; // also catches a NaN factor
    return value < 255 ? static_cast<int>(value) : 255;
}

} // namespace

QColor toQColor(int colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int fromQColor(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QColor scaleColour(const QColor& colour, double factor) {
    return QColor(scaledChannel(colour.red(), factor), scaledChannel(colour.green(), factor),
                  scaledChannel(colour.blue(), factor));
}
