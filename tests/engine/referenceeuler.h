#pragma once

#include "model/vreactor.h"

#include <cmath>
#include <vector>

// The explicit Euler step written out literally from the reaction system,
// sharing no code with the reactor: per reaction the forward direction, then
// the backward one, each a mass-action term over the entries in their order,
// applied to the concentrations at the start of the step. The tests hold the
// reactor to it bit for bit.
struct ReferenceEuler {
    ReferenceEuler(const Vreactor& system, double dt) : v(system), timeResolution(dt) {
        for (const Vcomponent& x : v.components)
            if (!x.shortcut) c.push_back(x.initialConcentration);
    }

    // The unique index of the component an entry refers to, or -1.
    int resolved(const Reactant& e) const {
        if (e.index < 0 || e.index >= v.components.count()) return -1;
        for (int i = 0, u = 0; i < v.components.count(); ++i) {
            if (v.components[i].shortcut) continue;
            if (v.components[i].name == v.components[e.index].name) return u;
            ++u;
        }
        return -1;
    }

    // False once a concentration turned invalid (then set to 0).
    bool step() {
        if (overflow) return false;
        const std::vector<double> start = c;
        const double t = stepCount * timeResolution;
        for (const Vreaction& r : v.reactions)
            for (int direction : {1, -1}) {
                if (!(direction > 0 ? r.active : r.activeBack)) continue;
                bool on = true;
                for (const ReactionSwitch& s : direction > 0 ? r.switches : r.switchesBack)
                    on = s.at <= t ? !on : on;
                if (!on) continue;
                double rate =
                    (direction > 0 ? r.rateConstant : r.rateConstantBack) * timeResolution;
                for (const Reactant& e : r.reactants)
                    for (int k = 0; e.port == -direction && k < e.order && resolved(e) >= 0; ++k)
                        rate *= start[resolved(e)];
                for (const Reactant& e : r.reactants) {
                    const int u = resolved(e);
                    if (u < 0 || v.uniqueComponent(u).constant) continue;
                    const double change = double(e.order) * e.port * direction * rate;
                    c[u] += change;
                    if (counter == 0 && change < 0 && c[u] > 1e-100 &&
                        -change / c[u] > maxRelativeChange)
                        maxRelativeChange = -change / c[u];
                }
            }
        for (double& x : c)
            if (!(x >= 0) || std::isinf(x)) {
                x = 0;
                overflow = true;
            }
        if (overflow) return false;
        ++stepCount;
        counter = (counter + 1) % 10;
        return true;
    }

    const Vreactor& v;
    double timeResolution;
    std::vector<double> c;
    int stepCount = 0;
    int counter = 0;
    double maxRelativeChange = 0;
    bool overflow = false;
};
