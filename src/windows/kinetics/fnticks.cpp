#include "windows/kinetics/fnticks.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<double, 4> stepFactors = {0.1, 0.2, 0.5, 1.0};
// 10, 5, 2, 1, 0.5, ...
constexpr std::array<double, 3> decadeCycle = {0.5, 0.4, 0.5};
// A lower end at or below hi times this counts as none.
constexpr double negligibleLowerEnd = 1e-100;
constexpr double defaultLowerEnd = 0.001;
// Ticks stop a little above the lower end, so none sits right on it.
constexpr double lowerEndClearance = 1.1;
// Beyond any useful tick density; keeps the skip count an int.
constexpr double densityLimit = 1e6;

} // namespace

void FnTicks::generate(double lo, double hi, int maxCount, bool logAxis, bool halfDecades) {
    values.clear();
    if (!(hi - lo >= minimumSpan)) return; // also for NaN
    const int m = std::clamp(maxCount, 1, maxTicks);
    if (logAxis)
        logarithmic(lo, hi, m, halfDecades);
    else
        linear(lo, hi, m);
}

void FnTicks::linear(double lo, double hi, int maxCount) {
    const double span = hi - lo;
    if (!std::isfinite(span)) return;
    const double e = std::floor(std::log10(span));
    const double q = std::pow(10.0, std::log10(span) - e);
    double factor = stepFactors.back();
    for (double f : stepFactors) {
        if (std::trunc(q / f) <= maxCount) {
            factor = f;
            break;
        }
    }
    const double step = std::pow(10.0, e) * factor;
    const double a = std::floor(lo / step);
    const double b = std::ceil(hi / step);
    for (double k = a + 1; k <= b - 1 && values.count() < maxTicks; k += 1)
        values.add(k * step);
}

void FnTicks::logarithmic(double lo, double hi, int maxCount, bool halfDecades) {
    if (!(hi > 0)) return;
    const double halfDecade = 1 / std::sqrt(10.0);
    const std::array<double, 2> halfDecadeCycle = {halfDecade, halfDecade};
    const double* cycle = halfDecades ? halfDecadeCycle.data() : decadeCycle.data();
    const int cycleLength = halfDecades ? 2 : 3;

    // The lower end also ends the loop below: with none given, ticks would
    // run on towards zero.
    const double s = lo > hi * negligibleLowerEnd ? lo : hi * defaultLowerEnd;
    if (!(s > 0)) return;
    const double e = std::floor(std::log10(hi));
    double v = std::pow(10.0, e + 1);
    // Near the largest double the decade above does not exist.
    if (!std::isfinite(v)) v = std::pow(10.0, e);
    if (!std::isfinite(v)) return;

    const double d = std::min(std::trunc(std::log10(v / s) * cycleLength), densityLimit);
    int skip = 1;
    if (d > maxCount) {
        skip = static_cast<int>(d) / (maxCount + 1) + 1;
        if (skip > cycleLength) skip -= skip % cycleLength;
    }
    int position = 0;
    while (s * lowerEndClearance < v) {
        if (v < hi && values.count() < maxTicks) values.add(v);
        for (int j = 0; j < skip; ++j) {
            v *= cycle[position];
            position = (position + 1) % cycleLength;
        }
    }
}
