#pragma once

#include "engine/calculation.h"
#include "engine/reactor.h"
#include "engine/weightedobservation.h"
#include "model/vreactor.h"
#include "session/kineticsview.h"
#include "support/testsystem.h"

#include <algorithm>
#include <string>
#include <vector>

// A reaction system whose stored kinetics are filled in directly, so that
// drawing tests know every value.
struct PlotData {
    PlotData()
        : calculation(system, reactor, environment),
          observation(&system, &calculation, &environment) {}

    static Llist<double> list(const std::vector<double>& values) {
        Llist<double> l;
        for (double v : values)
            l.add(v);
        return l;
    }

    // The stored time points; every series must have as many values.
    void setTimes(const std::vector<double>& t) {
        calculation.times = list(t);
        calculation.storedPoints = static_cast<int>(t.size());
        calculation.pointCount = calculation.storedPoints;
    }

    // A unique component with its stored series; returns its unique index.
    int addSeries(const std::string& name, int colour, const std::vector<double>& values) {
        const int i = addComponent(system, name, values.empty() ? 0 : values[0]);
        system.components[i].color = colour;
        Kinetics series;
        series.values = list(values);
        if (!values.empty()) {
            series.minimum = *std::min_element(values.begin(), values.end());
            series.maximum = *std::max_element(values.begin(), values.end());
        }
        calculation.kinetics.add(series);
        return system.uniqueComponentCount() - 1;
    }

    void setObservation(const std::vector<double>& values) {
        observation.active = true;
        observation.values = list(values);
        observation.minimum = *std::min_element(values.begin(), values.end());
        observation.maximum = *std::max_element(values.begin(), values.end());
    }

    Vreactor system;
    Reactor reactor;
    FakeEnvironment environment;
    Calculation calculation;
    WeightedObservation observation;
    KineticsView view;
};
