#include "windows/kinetics/fnaxis.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pixelLimit = 1e6;
// Rounding a vertical position adds this, so a value halfway between two
// rows lands on the upper one.
constexpr double verticalBias = 0.1;

int roundedPixel(double p) {
    if (std::isnan(p)) return -1;
    return static_cast<int>(std::round(std::clamp(p, -pixelLimit, pixelLimit)));
}

} // namespace

void FnAxis::set(double min, double max, bool logAxis, double decadeCount, bool margin) {
    minimum = min;
    maximum = max;
    logarithmic = logAxis;
    decades = decadeCount;
    if (margin) {
        if (logarithmic) {
            decades *= logMarginFactor;
            maximum *= std::pow(10.0, logMarginTop * decades);
        } else {
            const double span = maximum - minimum;
            minimum -= marginFraction * span;
            maximum += marginFraction * span;
        }
    }
    if (logarithmic) {
        scale = decades > 0 ? 1 / decades : 0;
        offset = maximum > 0 ? 1 - std::log10(maximum) * scale : 0;
    } else if (maximum != minimum) {
        scale = 1 / (maximum - minimum);
        offset = -minimum * scale;
    } else {
        scale = 0;
        offset = 0.5;
    }
}

double FnAxis::normalised(double v) const {
    if (!logarithmic) return v * scale + offset;
    if (!(v > 0)) return std::nan("");
    return std::log10(v) * scale + offset;
}

double FnAxis::tickStart() const {
    return logarithmic ? maximum * std::pow(10.0, -decades) : minimum;
}

int FnAxis::horizontalPixel(double n, int extent) {
    return roundedPixel(extent * n);
}

int FnAxis::verticalPixel(double n, int extent) {
    return roundedPixel(extent * (1 - n) + verticalBias);
}
