#pragma once

#include <cstdint>

// How a horizontal move over the value dialog's touch pad changes the dragged
// value. Plain data, so the rules can be used and tested without a window.
class DragLaw {
public:
    bool adaptive = false;
    bool logarithmic = false;
    // Change per pixel: an added amount (linear) or a power of ten (logarithmic).
    double step = 0;
    double minValue = 0;
    double maxValue = 0;

    // The value after a move of dx pixels at sensitivity factor f. The value
    // is clamped into [minValue, maxValue] before and after the change, so a
    // drag back from a limit moves at once.
    double drag(double working, int dx, double f) const;

    // Turns the caller's step into the per-pixel step for a touch pad of the
    // given width: a linear step of 0 spans the whole range, and a linear
    // step is spread over 0.8 of half the pad; a logarithmic step of 0
    // becomes 0.015 decades.
    static double pixelStep(double step, bool logarithmic, double minValue, double maxValue,
                            int padWidth);
};

// The touch pad's sensitivity slider position (0..1000) as a factor:
// 0.005 at the left end, 0.5 in the middle, 50 at the right end.
double sensitivityFactor(int sliderPosition);

// Keeps value within [low, high]; a NaN becomes low. Unlike std::clamp it
// accepts low > high (high wins).
double clampInto(double value, double low, double high);

// The nearest 32-bit integer, saturating at the type's range; NaN gives 0.
std::int32_t nearestInt32(double value);
