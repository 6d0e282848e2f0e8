#include "windows/kinetics/kineticsranges.h"

#include "engine/calculation.h"
#include "engine/weightedobservation.h"
#include "fitting/measuredpoints.h"
#include "model/vreactor.h"
#include "session/kineticsview.h"

#include <algorithm>
#include <cmath>

void KineticsRanges::compute(KineticsView& view, const Vreactor& system,
                             const Calculation& calculation, const WeightedObservation& observation,
                             double simulationTime, const Measurements* measured) {
    if (view.autoY) autoY(view, system, calculation, observation);
    if (view.autoX) autoX(view, system, calculation, simulationTime);
    if (measured) MeasuredPoints::widenRanges(view, system, observation.active, *measured);
    decadesX = view.logX ? logarithmic(view.minX, view.maxX, view.autoX, view.magX) : linearDecades;
    decadesY = view.logY ? logarithmic(view.minY, view.maxY, view.autoY, view.magY) : linearDecades;
}

void KineticsRanges::autoY(KineticsView& view, const Vreactor& system,
                           const Calculation& calculation, const WeightedObservation& observation) {
    const int n = system.uniqueComponentCount();
    const int xc = system.asXIndex();
    // The first component sets the range outright; any other only widens it,
    // so a hidden first component leaves 0 inside the range.
    double lo = 0;
    double hi = 0;
    for (int i = 0; i < n && i < calculation.kinetics.count(); ++i) {
        if (!system.uniqueComponent(i).monitor || i == xc) continue;
        const Kinetics& series = calculation.kinetics[i];
        if (i == 0) {
            lo = series.minimum;
            hi = series.maximum;
        } else {
            lo = std::min(lo, series.minimum);
            hi = std::max(hi, series.maximum);
        }
    }
    // Without stored values its extremes belong to an older calculation.
    if (observation.active && !observation.values.empty()) {
        lo = std::min(lo, observation.minimum);
        hi = std::max(hi, observation.maximum);
    }
    // A flat curve is shown between zero and its value, on whichever side of
    // zero it lies: a negative observation must stay in view.
    if (lo == hi) {
        if (hi < 0)
            hi = 0;
        else
            lo = 0;
    }
    if (std::abs(hi - lo) < flatRangeFraction * hi) lo = 0;
    if (n == 0 || (lo == 0 && hi == 0) || !std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0;
        hi = 1;
    }
    view.minY = lo;
    view.maxY = hi;
}

void KineticsRanges::autoX(KineticsView& view, const Vreactor& system,
                           const Calculation& calculation, double simulationTime) {
    const int xc = system.asXIndex();
    if (xc < 0) {
        view.minX = 0;
        view.maxX = simulationTime;
    } else if (xc < calculation.kinetics.count()) {
        view.minX = calculation.kinetics[xc].minimum;
        view.maxX = calculation.kinetics[xc].maximum;
    } else {
        view.minX = 0;
        view.maxX = 0;
    }
    if (view.minX == view.maxX) {
        view.minX -= 1;
        view.maxX += 1;
    }
}

double KineticsRanges::logarithmic(double& minimum, double& maximum, bool autoMode, int magnitude) {
    if (maximum == 0) maximum = 1;
    if (minimum <= 0 || autoMode) minimum = maximum * std::pow(10.0, -magnitude);
    double decades = std::nan("");
    if (minimum > 0 && maximum > 0) decades = std::log10(maximum / minimum);
    if (!std::isfinite(decades)) {
        decades = magnitude;
        minimum = fallbackMinimum;
        maximum = fallbackMaximum;
    }
    return decades;
}
