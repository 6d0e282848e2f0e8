#pragma once

#include "foundation/llist.h"

#include <vector>

// One directed mass-action rate term of the compiled reaction system. The
// component references are indices of the reactor's concentrations.
class ReactorReaction {
public:
    ReactorReaction() = default;

    // `on` becomes true and is then inverted once for every switch time at or
    // before t (the times need not be sorted).
    void updateSwitchState(double t) { on = switchStateAt(t); }
    bool switchStateAt(double t) const {
        bool state = true;
        for (double at : switchTimes)
            if (at <= t) state = !state;
        return state;
    }

    // The rate constant of this direction times the reactor's time resolution.
    double rateFactor = 1;
    // Components whose concentrations multiply the rate, each repeated order times.
    std::vector<int> factors;
    int factorCount = 0;
    // Components this term changes, with their change per unit of rate.
    std::vector<int> targets;
    std::vector<double> coefficients;
    int targetCount = 0;
    Llist<double> switchTimes;
    bool on = true;
};
