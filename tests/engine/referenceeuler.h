#pragma once

#include "engine/reactor.h"

#include <cmath>
#include <vector>

// The explicit Euler step written out literally, term by term, as the
// reactor's contract states it; the tests hold the reactor to it bit for bit.
struct ReferenceEuler {
    struct Term {
        double rateFactor;
        std::vector<int> factors;
        std::vector<int> targets;
        std::vector<double> coefficients;
        std::vector<double> switchTimes;
    };

    // Takes the compiled terms and the starting state of an initialised reactor.
    explicit ReferenceEuler(const Reactor& r)
        : c(r.concentrations), timeResolution(r.timeResolution) {
        for (const ReactorReaction& rr : r.reactions) {
            Term t{rr.rateFactor, rr.factors, rr.targets, rr.coefficients, {}};
            for (double at : rr.switchTimes)
                t.switchTimes.push_back(at);
            terms.push_back(t);
        }
    }

    bool step() {
        if (overflow) return false;
        const std::vector<double> start = c;
        const double t = stepCount * timeResolution;
        for (const Term& term : terms) {
            bool on = true;
            for (double at : term.switchTimes)
                if (at <= t) on = !on;
            if (!on) continue;
            double rate = term.rateFactor;
            for (int f : term.factors)
                rate *= start[f];
            for (size_t j = 0; j < term.targets.size(); ++j) {
                const double change = term.coefficients[j] * rate;
                double& x = c[term.targets[j]];
                x += change;
                if (counter == 0 && change < 0 && x > 1e-100 && -change / x > maxRelativeChange)
                    maxRelativeChange = -change / x;
            }
        }
        for (double& x : c)
            if (x < 0 || std::isnan(x) || std::isinf(x)) {
                x = 0;
                overflow = true;
            }
        if (overflow) return false;
        ++stepCount;
        counter = (counter + 1) % 10;
        return true;
    }

    std::vector<double> c;
    std::vector<Term> terms;
    double timeResolution;
    int stepCount = 0;
    int counter = 0;
    double maxRelativeChange = 0;
    bool overflow = false;
};
