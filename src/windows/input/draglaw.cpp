#include "windows/input/draglaw.h"

#include <cmath>
#include <cstdint>

namespace {

// Adaptive drags move by this share of the distance to a limit per pixel.
constexpr double adaptiveShare = 0.01;
// A limit of this magnitude means "unbounded" to the adaptive law.
constexpr double unbounded = 1e100;
constexpr double defaultLogStep = 0.015;
constexpr double padShare = 0.8;

} // namespace

double clampInto(double value, double low, double high) {
    if (std::isnan(value)) value = low;
    if (value < low) value = low;
    if (value > high) value = high;
    return value;
}

double DragLaw::drag(double working, int dx, double f) const {
    const double start = clampInto(working, minValue, maxValue);
    double value = start;
    if (adaptive) {
        double perPixel;
        if (dx > 0)
            perPixel = maxValue == unbounded ? start - minValue : maxValue - start;
        else
            perPixel = minValue == -unbounded ? maxValue - start : start - minValue;
        value += dx * (adaptiveShare * perPixel) * f;
    } else if (logarithmic) {
        value *= std::pow(10.0, dx * step * f);
    } else {
        value += dx * step * f;
    }
    // Infinite limits or steps can make 0 * inf; such a move changes nothing.
    if (std::isnan(value)) value = start;
    return clampInto(value, minValue, maxValue);
}

double DragLaw::pixelStep(double step, bool logarithmic, double minValue, double maxValue,
                          int padWidth) {
    if (logarithmic) return step == 0 ? defaultLogStep : step;
    if (step == 0) step = maxValue - minValue;
    const double pixels = std::round(padShare * (padWidth / 2));
    return pixels > 0 ? step / pixels : step;
}

double sensitivityFactor(int sliderPosition) {
    return 0.5 * std::pow(10.0, (sliderPosition - 500) * 0.004);
}

std::int32_t nearestInt32(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::round(value);
    if (rounded <= INT32_MIN) return INT32_MIN;
    if (rounded >= INT32_MAX) return INT32_MAX;
    return static_cast<std::int32_t>(rounded);
}
