#pragma once

#include "engine/reactor.h"
#include "model/vreactor.h"

#include <string>
#include <vector>

class Measurements;

// What the model predicts at the measured times: the same fixed-step Euler
// recurrence as the kinetics plot, stepped with the session's time step up
// to the later of the simulation time and the last measured time; between
// two steps the value is interpolated linearly. Measured columns name a
// unique component or, while the weighted observation is active, the
// weighted observation; other columns take no part.
class ModelSampler {
public:
    struct ObservationSettings {
        bool active = false;
        bool differential = false;
        double globalFactor = 1;
    };

    // Keeps a copy of the reaction system, which `system()` exposes for the
    // parameters to be set in.
    ModelSampler(const Vreactor& system, double timeStep, double simulationTime,
                 const ObservationSettings& observation, const Measurements& data);

    Vreactor& system() { return system_; }
    // Measured cells that take part, and the columns they come from.
    int pointCount() const { return static_cast<int>(cells_.size()); }
    const std::vector<std::string>& usedColumns() const { return usedColumns_; }

    // Model minus measurement for every cell taking part, into `out`
    // (pointCount() values). False when the calculation refuses to run;
    // `refusal` then says why and `out` is untouched.
    bool residuals(double* out);
    // The model values at the cells, for tests and the report.
    bool modelValues(double* out);

    // The reactor's verdict after the last computation ("ok" when fine).
    std::string verdict;
    std::string refusal;

private:
    struct Cell {
        int row;
        // A unique component, or -1 for the weighted observation.
        int component;
        double measured;
    };

    double observed(const std::vector<double>& c) const;

    Vreactor system_;
    Reactor reactor_;
    double timeStep_;
    double endTime_;
    ObservationSettings observation_;
    std::vector<double> times_;
    std::vector<Cell> cells_;
    std::vector<std::string> usedColumns_;
    std::vector<double> previous_;
};
