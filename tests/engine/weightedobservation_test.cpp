#include "engine/weightedobservation.h"

#include "engine/calculation.h"
#include "engine/reactor.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Values = std::vector<double>;

class WeightedObservationTest : public ::testing::Test {
protected:
    // Two components with weights 1 and 2, a global factor of 0.5.
    WeightedObservationTest() {
        addComponent(v, "A", 0);
        addComponent(v, "B", 0);
        v.components[1].weight = 2;
        obs.globalFactor = 0.5;
        obs.active = true;
    }

    // Puts results in the calculation and computes the observation from them.
    Values computed(const Values& t, const std::vector<Values>& series) {
        calc.times.clear();
        calc.kinetics.clear();
        for (double x : t)
            calc.times.add(x);
        for (const Values& s : series) {
            calc.kinetics.add(Kinetics());
            for (double x : s)
                calc.kinetics[calc.kinetics.last()].values.add(x);
        }
        calc.storedPoints = static_cast<int>(t.size());
        obs.compute();
        return {obs.values.begin(), obs.values.end()};
    }

    Vreactor v;
    Reactor r{&v};
    FakeEnvironment env;
    Calculation calc{v, r, env};
    WeightedObservation obs{&v, &calc, &env};
};

TEST_F(WeightedObservationTest, WeightedSumAndItsExtremes) {
    EXPECT_EQ(computed({0, 1, 2}, {{3, 1, 0}, {4, 0, 2}}), (Values{5.5, 0.5, 2}));
    EXPECT_EQ(obs.minimum, 0.5);
    EXPECT_EQ(obs.maximum, 5.5);
    obs.globalFactor = -0.5; // mirrors the curve
    v.components[1].weight = 0;
    EXPECT_EQ(computed({0, 1, 2}, {{3, 1, 0}, {4, 0, 2}}), (Values{-1.5, -0.5, 0}));
    EXPECT_EQ(obs.minimum, -1.5);
    EXPECT_EQ(obs.maximum, 0);
    // Components added since the calculation are left out.
    addComponent(v, "C", 9);
    EXPECT_EQ(computed({0, 1}, {{2, 4}}), (Values{-1, -2}));
    EXPECT_EQ(computed({}, {{}, {}}), Values{});
}

TEST_F(WeightedObservationTest, DerivativeUsesTheForwardDifferenceQuotient) {
    const struct {
        Values times, a, expected; // B stays 0
    } cases[] = {
        {{0, 0.5, 1.5, 2}, {1, 2, 4, 5}, {2, 2, 2, 2}}, // rises by 2 per time unit
        {{0, 1, 1, 2}, {0, 3, 5, 6}, {3, 0, 1, 1}},     // equal times give 0
        {{0, 1, 0.5}, {0, 1, 2}, {1, 0, 0}},            // time going back gives 0
        {{0}, {7}, {0}},                                // a single point
    };
    obs.globalFactor = 1;
    obs.differential = true;
    for (const auto& c : cases)
        EXPECT_EQ(computed(c.times, {c.a, Values(c.a.size(), 0)}), c.expected);
}

TEST_F(WeightedObservationTest, RecomputesOnItsEventsWhileActiveAndAutoRefreshing) {
    computed({0}, {{2}, {1}});
    const struct {
        bool active, autoRefresh;
        std::vector<int> recomputing;
    } cases[] = {{true, true, {0, 1, 2, 3, 5}}, {false, true, {}}, {true, false, {}}};
    for (const auto& c : cases) {
        obs.active = c.active;
        env.autoRefreshOn = c.autoRefresh;
        std::vector<int> recomputed;
        for (int event = 0; event <= 7; ++event) {
            obs.values.clear();
            obs.receive(event);
            if (obs.values.count() == 1) recomputed.push_back(event);
        }
        EXPECT_EQ(recomputed, c.recomputing);
    }
}

TEST_F(WeightedObservationTest, StoredFormReadsBackAndAssignmentKeepsTheLinks) {
    obs.differential = true;
    obs.globalFactor = -2.5;
    ASSERT_TRUE(obs.save("weighted observation", ""));
    WeightedObservation stored, live{&v, &calc, &env};
    stored.lines = obs.lines;
    ASSERT_TRUE(stored.load("weighted observation", ""));
    live = stored;
    EXPECT_TRUE(live.differential);
    EXPECT_EQ(live.globalFactor, -2.5);
    EXPECT_EQ(live.system.get(), &v);
    EXPECT_EQ(live.calculation.get(), &calc);
    EXPECT_EQ(live.environment.get(), &env);
}

} // namespace
