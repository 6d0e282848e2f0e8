#pragma once

class Calculation;
class KineticsView;
class Measurements;
class Vreactor;
class WeightedObservation;

// The axis ranges one paint of the kinetics plot hands to the plot engine.
// Window-free, so that the range rules are tested with exact values.
class KineticsRanges {
public:
    // A linear axis hands this many decades to the engine; it uses none.
    static constexpr double linearDecades = 3.0;
    // A data range narrower than this part of its maximum starts at zero.
    static constexpr double flatRangeFraction = 1e-15;
    // A logarithmic range that cannot be computed falls back to this.
    static constexpr double fallbackMinimum = 0.001;
    static constexpr double fallbackMaximum = 1;

    // Updates the view's bounds for the next paint: with "auto y" the range of
    // the visible curves (never empty; all-zero data gives 0 to 1), with
    // "auto x" the simulation time or the x-axis component's range (widened by
    // 1 on each side when empty), then, on a logarithmic axis, a positive
    // minimum from the decades setting where needed. Sets decadesX and
    // decadesY. The kinetics count as stored points of the calculation; a
    // series the calculation does not have counts as none. Measured points,
    // when given, widen the automatic ranges.
    void compute(KineticsView& view, const Vreactor& system, const Calculation& calculation,
                 const WeightedObservation& observation, double simulationTime,
                 const Measurements* measured = nullptr);

    double decadesX = linearDecades;
    double decadesY = linearDecades;

private:
    static void autoY(KineticsView& view, const Vreactor& system, const Calculation& calculation,
                      const WeightedObservation& observation);
    static void autoX(KineticsView& view, const Vreactor& system, const Calculation& calculation,
                      double simulationTime);
    // The logarithmic bounds rule for one axis; returns its decades.
    static double logarithmic(double& minimum, double& maximum, bool autoMode, int magnitude);
};
