#pragma once

#include "fitting/modelsampler.h"
#include "session/measurements.h"

#include <cmath>
#include <random>
#include <string>
#include <vector>

// Measurements that the model itself produced: `points` rows from `from` to
// `to` of the named columns, optionally with seeded normal noise.
inline Measurements simulatedMeasurements(const Vreactor& system, double timeStep,
                                          const std::vector<std::string>& columns, int points,
                                          double from, double to,
                                          ModelSampler::ObservationSettings observation = {},
                                          double noise = 0, unsigned seed = 1) {
    Measurements table;
    table.names = columns;
    for (int r = 0; r < points; ++r)
        table.times.push_back(from + (to - from) * r / (points - 1));
    table.values.assign(columns.size(), std::vector<double>(table.times.size(), 0.0));
    ModelSampler sampler(system, timeStep, to, observation, table);
    std::vector<double> model(static_cast<size_t>(sampler.pointCount()));
    if (!sampler.modelValues(model.data())) return table;
    std::mt19937 random(seed);
    std::normal_distribution<double> normal(0.0, noise);
    size_t k = 0;
    for (size_t r = 0; r < table.times.size(); ++r)
        for (size_t c = 0; c < columns.size(); ++c)
            table.values[c][r] = model[k++] + (noise > 0 ? normal(random) : 0.0);
    return table;
}
