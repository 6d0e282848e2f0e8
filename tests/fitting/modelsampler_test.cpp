#include "fitting/modelsampler.h"

#include "engine/calculation.h"
#include "engine/reactor.h"
#include "session/measurements.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Vreactor decayChain() {
    Vreactor v;
    const int a = addComponent(v, "A", 2);
    const int b = addComponent(v, "B", 0);
    addReaction(v, {{a, 1, -1}, {b, 1, +1}}, 3);
    v.uniqueComponent(0).weight = 2;
    v.uniqueComponent(1).weight = 5;
    return v;
}

Measurements at(std::vector<double> times, std::vector<std::string> names) {
    Measurements m;
    m.names = std::move(names);
    m.times = std::move(times);
    m.values.assign(m.names.size(), std::vector<double>(m.times.size(), 0.0));
    return m;
}

// At the steps themselves the values are those the calculation stores: the
// same recurrence in the same order, so they agree exactly.
TEST(ModelSampler, AtTheStepsGivesExactlyTheCalculationsValues) {
    Vreactor v = decayChain();
    Reactor reactor(&v);
    reactor.timeResolution = 0.01;
    reactor.simulationTime = 1;
    FakeEnvironment environment;
    Calculation calculation(v, reactor, environment);
    calculation.calculate();
    ASSERT_EQ(calculation.stride, 1);
    const Measurements table = at({0, 0.25, 0.5, 0.99, 1}, {"B", "A"});
    ModelSampler sampler(v, 0.01, 1, {}, table);
    std::vector<double> model(10);
    ASSERT_TRUE(sampler.modelValues(model.data()));
    for (int r = 0; r < 5; ++r) {
        const int point = static_cast<int>(std::lround(table.times[static_cast<size_t>(r)] / 0.01));
        EXPECT_EQ(model[2 * r], calculation.kinetics[1].values[point]) << r;
        EXPECT_EQ(model[2 * r + 1], calculation.kinetics[0].values[point]) << r;
    }
    EXPECT_EQ(sampler.verdict, reactor.statusText());
}

TEST(ModelSampler, InterpolatesBetweenStepsAndComputesTheObservation) {
    const Vreactor v = decayChain();
    // One step: A = 2 - 0.3 * 2 = 1.4, B = 0.6.
    const double a1 = 1.4;
    const double b1 = 0.6;
    const struct {
        const char* title;
        ModelSampler::ObservationSettings observation;
        double time;
        std::vector<std::string> columns;
        std::vector<double> expected;
    } cases[] = {
        {"a quarter into the first step", {}, 0.025, {"A", "B"}, {2 - 0.25 * 0.6, 0.25 * b1}},
        {"weighted sum",
         {true, false, 0.5},
         0.1,
         {"weightedObservation"},
         {0.5 * (2 * a1 + 5 * b1)}},
        {"derivative over the step",
         {true, true, 1},
         0.05,
         {"weightedObservation"},
         {(2 * a1 + 5 * b1 - 2 * 2) / 0.1}},
        {"observation column ignored while inactive", {}, 0.1, {"weightedObservation", "A"}, {a1}},
        {"unknown column ignored", {}, 0.1, {"Z", "B"}, {b1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        ModelSampler sampler(v, 0.1, 1, c.observation, at({c.time}, c.columns));
        ASSERT_EQ(sampler.pointCount(), static_cast<int>(c.expected.size()));
        std::vector<double> model(c.expected.size());
        ASSERT_TRUE(sampler.modelValues(model.data()));
        for (size_t i = 0; i < model.size(); ++i)
            EXPECT_NEAR(model[i], c.expected[i], 1e-12);
    }
}

TEST(ModelSampler, RunsOnPastTheSimulationTimeToTheLastMeasurement) {
    const Vreactor v = decayChain();
    ModelSampler sampler(v, 0.001, 1, {}, at({3}, {"A"}));
    double a = 0;
    ASSERT_TRUE(sampler.modelValues(&a));
    EXPECT_NEAR(a, 2 * std::pow(1 - 0.003, 3000), 1e-12);
    EXPECT_GT(a, 0);
}

} // namespace
