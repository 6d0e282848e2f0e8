#include "engine/weightedobservation.h"

#include "engine/calculation.h"
#include "engine/reactor.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Values = std::vector<double>;

Llist<double> listOf(const Values& values) {
    Llist<double> list;
    for (double x : values)
        list.add(x);
    return list;
}

// Weights 1 and 2, a global factor of 0.5; C came after the calculation and the
// last point was not stored: both are left out. Times that repeat or go back
// give no derivative (0).
TEST(WeightedObservation, WeightedSumOrItsDerivativeAtTheStoredPoints) {
    Vreactor v;
    for (const char* name : {"A", "B", "C"})
        addComponent(v, name, 0);
    v.components[1].weight = 2;
    Reactor r(&v);
    FakeEnvironment env;
    Calculation calc(v, r, env);
    calc.times = listOf({0, 0.5, 0.5, 1, 0.75, 9});
    for (const Values& series : {Values{3, 1, 5, 0, 2, 9}, Values{4, 0, 1, 2, 2, 9}}) {
        calc.kinetics.add(Kinetics());
        calc.kinetics[calc.kinetics.last()].values = listOf(series);
    }
    calc.storedPoints = 5;
    WeightedObservation obs(&v, &calc, &env);
    obs.globalFactor = 0.5;
    const std::pair<bool, Values> cases[] = {{false, {5.5, 0.5, 3.5, 2, 3}},
                                             {true, {-10, 0, -3, 0, 0}}};
    for (const auto& [differential, expected] : cases) {
        obs.differential = differential;
        obs.compute();
        EXPECT_EQ(Values(obs.values.begin(), obs.values.end()), expected);
        EXPECT_EQ(obs.minimum, *std::min_element(expected.begin(), expected.end()));
        EXPECT_EQ(obs.maximum, *std::max_element(expected.begin(), expected.end()));
    }
    calc.storedPoints = 1;
    obs.compute();
    EXPECT_EQ(Values(obs.values.begin(), obs.values.end()), Values{0});
}

} // namespace
