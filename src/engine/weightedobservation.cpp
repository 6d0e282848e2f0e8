#include "engine/weightedobservation.h"

#include "engine/calculation.h"
#include "engine/calculationenvironment.h"
#include "model/vreactor.h"

#include <algorithm>

void WeightedObservation::exchange() {
    exchangeBool("active", active);
    exchangeBool("differential", differential);
    exchangeDouble("global factor", globalFactor);
}

void WeightedObservation::receive(int event) {
    switch (event) {
    case sessionReplaced:
    case systemChanged:
    case parametersChanged:
    case animatedParameterChanged:
    case weightedObservationChanged:
        if (active && environment && environment->autoRefresh()) compute();
        break;
    default:
        break;
    }
}

void WeightedObservation::compute() {
    const int n = calculation ? calculation->storedPoints : 0;
    values.clear();
    if (n < 1) return;
    values.resize(n);
    for (int i = 0; i < n; ++i)
        values.add(0.0);

    // The reaction system may have changed since the calculation ran; only
    // components and points it stored take part.
    const Llist<Kinetics>& series = calculation->kinetics;
    const int components = system ? std::min(system->uniqueComponentCount(), series.count()) : 0;
    for (int k = 0; k < components; ++k) {
        const double f = system->uniqueComponent(k).weight * globalFactor;
        const Llist<double>& c = series[k].values;
        const int points = std::min(n, c.count());
        for (int i = 0; i < points; ++i)
            values[i] += f * c[i];
    }

    if (differential) {
        const Llist<double>& t = calculation->times;
        for (int i = 1; i < n; ++i) {
            const double dt = i < t.count() ? t[i] - t[i - 1] : 0;
            values[i - 1] = dt > 0 ? (values[i] - values[i - 1]) / dt : 0;
        }
        values[n - 1] = n > 1 ? values[n - 2] : 0;
    }

    minimum = maximum = values[0];
    for (int i = 1; i < n; ++i) {
        minimum = std::min(minimum, values[i]);
        maximum = std::max(maximum, values[i]);
    }
}
