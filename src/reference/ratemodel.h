#pragma once

#include <vector>

class Vreactor;

// The reaction system's mass-action equations in continuous time: the same
// unique components, constant components, active directions and switch times
// that the Euler reactor compiles, without the time step. The reference
// solution integrates them; the reaction rates evaluate them.
class RateModel {
public:
    struct Factor {
        int component;
        int order;
    };
    struct Change {
        int component;
        double coefficient;
    };
    // One active direction of one reaction.
    struct Direction {
        int reaction;  // index in the reaction system's list
        bool backward; // the "k-" direction, which counts negatively in the net rate
        double rateConstant;
        // Distinct components of the consumed side with their summed orders.
        std::vector<Factor> factors;
        // The change of each non-constant component per unit of rate.
        std::vector<Change> changes;
        std::vector<double> switchTimes;
    };

    // Compiles the reaction system. Entries whose component cannot be resolved
    // are left out, as the reactor leaves them out; a system beyond the
    // reactor's limits makes `valid` false.
    explicit RateModel(const Vreactor& system);

    // Acting or not at time t: starts on and turns over at every switch time
    // at or before t, as the reactor decides at the start of a step.
    static bool acting(const Direction& direction, double t);
    double rate(const Direction& direction, const double* c) const;
    // dc/dt of the directions marked in `on` (one flag per direction).
    void derivative(const std::vector<char>& on, const double* c, double* dcdt) const;
    // d(dc/dt)/dc, row-major componentCount × componentCount.
    void jacobian(const std::vector<char>& on, const double* c, double* matrix) const;
    // Every switch time of every direction, sorted, each once.
    std::vector<double> switchTimes() const;
    // The net rate of every reaction (forward minus backward of the
    // directions acting at t); 0 for a reaction with none.
    std::vector<double> reactionRates(const double* c, double t) const;

    bool valid = true;
    int componentCount = 0;
    int reactionCount = 0;
    std::vector<double> initial;
    std::vector<Direction> directions;
};
