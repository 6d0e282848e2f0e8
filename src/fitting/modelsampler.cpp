#include "fitting/modelsampler.h"

#include "engine/calculation.h"
#include "foundation/numberformat.h"
#include "session/measurements.h"

#include <algorithm>
#include <cmath>

ModelSampler::ModelSampler(const Vreactor& system, double timeStep, double simulationTime,
                           const ObservationSettings& observation, const Measurements& data)
    : system_(system), reactor_(&system_), timeStep_(timeStep),
      endTime_(std::max(simulationTime, data.lastTime())), observation_(observation),
      times_(data.times) {
    std::vector<int> binding;
    for (const std::string& name : data.names) {
        int b = -2;
        if (name == Measurements::weightedObservationName) {
            if (observation.active) b = -1;
        } else {
            for (int u = 0; u < system_.uniqueComponentCount(); ++u)
                if (system_.uniqueComponent(u).name == name) b = u;
        }
        binding.push_back(b);
        if (b >= -1) usedColumns_.push_back(name);
    }
    for (int r = 0; r < data.rowCount(); ++r)
        for (size_t c = 0; c < binding.size(); ++c)
            if (binding[c] >= -1 && !std::isnan(data.values[c][static_cast<size_t>(r)]))
                cells_.push_back({r, binding[c], data.values[c][static_cast<size_t>(r)]});
}

double ModelSampler::observed(const std::vector<double>& c) const {
    double sum = 0;
    const int n = std::min(system_.uniqueComponentCount(), static_cast<int>(c.size()));
    for (int u = 0; u < n; ++u)
        sum += system_.uniqueComponent(u).weight * observation_.globalFactor * c[u];
    return sum;
}

bool ModelSampler::residuals(double* out) {
    if (!modelValues(out)) return false;
    for (size_t i = 0; i < cells_.size(); ++i)
        out[i] -= cells_[i].measured;
    return true;
}

bool ModelSampler::modelValues(double* out) {
    // The calculation's own limits and texts.
    if (!std::isfinite(timeStep_) || timeStep_ <= 0) {
        refusal = "Invalid time step!;Enter a finite time step;of zero or more.";
        return false;
    }
    const double steps = endTime_ / timeStep_;
    if (!std::isfinite(steps) || steps > Calculation::stepLimit + 0.5) {
        refusal = "Too many iterations!;Reduce simulation time;or increase time step!";
        return false;
    }
    const long long totalSteps = std::max(1LL, static_cast<long long>(steps + 0.5));

    reactor_.timeResolution = timeStep_;
    reactor_.init();
    std::vector<double>& current = reactor_.concentrations;
    previous_.assign(current.size(), 0.0);
    long long at = 0;
    bool running = !reactor_.overflow;
    // Moves the reactor to step `target`, keeping the step before it.
    const auto reach = [&](long long target) {
        if (!running || target <= at) return;
        if (target - at > 1 && !reactor_.advanceSteps(static_cast<int>(target - at - 1)))
            running = false;
        previous_ = current;
        if (running && !reactor_.advance()) running = false;
        at = target;
    };

    size_t cell = 0;
    for (size_t row = 0; row < times_.size() && cell < cells_.size(); ++row) {
        if (cells_[cell].row != static_cast<int>(row)) continue;
        const double position = times_[row] / timeStep_;
        const long long k = static_cast<long long>(std::floor(position));
        const double f = position - static_cast<double>(k);
        const bool between = f > 0 || (observation_.differential && observation_.active);
        const long long need = between ? k + 1 : k;
        reach(need);
        // The two neighbouring steps; after an overflow the reactor stands still.
        const std::vector<double>* low = &current;
        const std::vector<double>* high = &current;
        double fraction = 0;
        const bool moving = at >= need;
        if (moving && between) {
            low = &previous_;
            fraction = f;
        } else if (moving && at > k) {
            low = high = &previous_;
        }
        for (; cell < cells_.size() && cells_[cell].row == static_cast<int>(row); ++cell) {
            const int u = cells_[cell].component;
            double value = 0;
            if (u >= 0) {
                const auto index = static_cast<size_t>(u);
                const double a = index < low->size() ? (*low)[index] : 0;
                const double b = index < high->size() ? (*high)[index] : 0;
                value = a + fraction * (b - a);
            } else {
                const double a = observed(*low);
                const double b = observed(*high);
                value = observation_.differential ? (b - a) / timeStep_ : a + fraction * (b - a);
            }
            out[cell] = value;
        }
    }
    // The verdict covers the whole run the plot shows.
    if (running && totalSteps > at) {
        long long rest = totalSteps - at;
        while (rest > 0 && reactor_.advanceSteps(static_cast<int>(std::min(rest, 1LL << 30))))
            rest -= std::min(rest, 1LL << 30);
    }
    verdict = reactor_.statusText();
    return true;
}
