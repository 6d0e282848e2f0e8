#pragma once

#include "engine/calculation.h"
#include "engine/calculationenvironment.h"
#include "engine/reactor.h"
#include "engine/weightedobservation.h"
#include "model/vreactor.h"
#include "reference/referencecurves.h"

#include <vector>

class KineticsView;

// What the kinetics plot draws when it shows something other than the stored
// concentrations: the net rate of each reaction with an active direction, as
// curves "v1", "v2", ... against time; or the concentrations as ln c or 1/c,
// where a value that is not positive breaks the curve. The data is held as a
// reaction system of plain components with a filled calculation, so that the
// plot draws, scales and labels it as it does concentrations.
class DerivedPlot : private CalculationEnvironment {
public:
    static constexpr int rateColourCount = 8;
    static const int rateColours[rateColourCount];

    // `hiddenRates`: per reaction, its curve is hidden. `reference` may be null.
    DerivedPlot(const Vreactor& system, const Calculation& calculation,
                const WeightedObservation& observation, const KineticsView& view,
                const std::vector<bool>& hiddenRates, const ReferenceCurves* reference);
    DerivedPlot(const DerivedPlot&) = delete;
    DerivedPlot& operator=(const DerivedPlot&) = delete;

    Vreactor system;
    Reactor reactor;
    Calculation calculation{system, reactor, *this};
    WeightedObservation observation;
    // The reference on the same scale; not ready when it cannot be shown.
    ReferenceCurves reference;
    // Per derived component, the reaction it shows (rates only).
    std::vector<int> reactionOf;

private:
    bool autoRefresh() const override { return true; }
    bool extendedDetail() const override { return false; }
    bool animationRunning() const override { return false; }
    void showStatus(const std::string&) override {}
    ProgressRunner* progressRunner() override { return nullptr; }
};
