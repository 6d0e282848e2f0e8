#pragma once

#include "foundation/llist.h"

// The tick values of one plot axis, at most 100. Window-free, so that the
// choice of ticks is tested with exact values.
class FnTicks {
public:
    static constexpr int maxTicks = 100;
    // Ranges narrower than this get no ticks.
    static constexpr double minimumSpan = 1e-100;

    // Replaces the ticks by those of the range lo..hi, aiming at no more than
    // maxCount of them (1 to 100).
    // Linear: multiples of a step of 1, 2 or 5 times a power of ten, strictly
    // inside the range.
    // Logarithmic (only for hi > 0): the values 10, 5, 2, 1, 0.5, ... (with
    // halfDecades every half decade) below hi, down to lo or, when lo is not
    // above hi * 1e-100, down to three decades below hi; when there would be
    // more than maxCount, only every few of them.
    void generate(double lo, double hi, int maxCount, bool logarithmic, bool halfDecades = false);

    int count() const { return values.count(); }
    double operator[](int i) const { return values[i]; }

    Llist<double> values;

private:
    void linear(double lo, double hi, int maxCount);
    void logarithmic(double lo, double hi, int maxCount, bool halfDecades);
};
