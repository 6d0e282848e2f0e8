#include "engine/weightedobservation.h"

#include "engine/calculation.h"
#include "engine/reactor.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class WeightedObservationTest : public ::testing::Test {
protected:
    // Two components with weights 1 and 2; `store` fills the calculation's results.
    WeightedObservationTest() {
        addComponent(v, "A", 0);
        addComponent(v, "B", 0);
        v.components[1].weight = 2;
        obs.globalFactor = 0.5;
        obs.active = true;
    }

    void store(const std::vector<double>& t, const std::vector<std::vector<double>>& series) {
        calc.times.clear();
        calc.kinetics.clear();
        for (double x : t)
            calc.times.add(x);
        for (const auto& s : series) {
            Kinetics k;
            for (double x : s)
                k.values.add(x);
            calc.kinetics.add(k);
        }
        calc.storedPoints = static_cast<int>(t.size());
    }

    std::vector<double> values() const { return {obs.values.begin(), obs.values.end()}; }

    Vreactor v;
    Reactor r{&v};
    FakeEnvironment env;
    Calculation calc{v, r, env};
    WeightedObservation obs{&v, &calc, &env};
};

TEST_F(WeightedObservationTest, WeightedSumAndItsExtremes) {
    store({0, 1, 2}, {{3, 1, 0}, {4, 0, 2}});
    obs.compute();
    EXPECT_EQ(values(), (std::vector<double>{5.5, 0.5, 2}));
    EXPECT_EQ(obs.minimum, 0.5);
    EXPECT_EQ(obs.maximum, 5.5);

    obs.globalFactor = -0.5; // mirrors the curve
    obs.compute();
    EXPECT_EQ(values(), (std::vector<double>{-5.5, -0.5, -2}));
    EXPECT_EQ(obs.minimum, -5.5);
    EXPECT_EQ(obs.maximum, -0.5);

    v.components[1].weight = 0; // removes B
    obs.compute();
    EXPECT_EQ(values(), (std::vector<double>{-1.5, -0.5, 0}));
}

TEST_F(WeightedObservationTest, DerivativeUsesTheForwardDifferenceQuotient) {
    struct Case {
        std::vector<double> times;
        std::vector<double> a; // B stays 0
        std::vector<double> expected;
    };
    obs.globalFactor = 1;
    for (const Case& c : std::vector<Case>{
             {{0, 0.5, 1.5, 2}, {1, 2, 4, 5}, {2, 2, 2, 2}}, // rises by 2 per time unit
             {{0, 1, 1, 2}, {0, 3, 5, 6}, {3, 0, 1, 1}},     // equal times give 0
             {{0, 1, 0.5}, {0, 1, 2}, {1, 0, 0}},            // time going back gives 0
             {{0}, {7}, {0}},                                // a single point
         }) {
        obs.differential = true;
        store(c.times, {c.a, std::vector<double>(c.a.size(), 0)});
        obs.compute();
        EXPECT_EQ(values(), c.expected);
    }
}

TEST_F(WeightedObservationTest, NothingStoredEmptiesTheValuesOnly) {
    store({0}, {{2}, {0}});
    obs.compute();
    store({}, {{}, {}});
    obs.compute();
    EXPECT_EQ(obs.values.count(), 0);
    EXPECT_EQ(obs.minimum, 1);
    EXPECT_EQ(obs.maximum, 1);
}

TEST_F(WeightedObservationTest, ComponentsAddedSinceTheCalculationAreLeftOut) {
    store({0, 1}, {{2, 4}});
    addComponent(v, "C", 9);
    obs.compute();
    EXPECT_EQ(values(), (std::vector<double>{1, 2}));
}

TEST_F(WeightedObservationTest, RecomputesOnItsEventsWhileActiveAndAutoRefreshing) {
    store({0}, {{2}, {1}});
    struct Case {
        bool active, autoRefresh;
        std::vector<int> recomputing;
    };
    for (const Case& c :
         std::vector<Case>{{true, true, {0, 1, 2, 3, 5}}, {false, true, {}}, {true, false, {}}}) {
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

TEST_F(WeightedObservationTest, SessionKeysAndAssignmentKeepsTheLinks) {
    obs.differential = true;
    obs.globalFactor = -2.5;
    ASSERT_TRUE(obs.save("weighted observation", ""));
    EXPECT_EQ(std::vector<std::string>(obs.lines.begin() + 1, obs.lines.end() - 1),
              (std::vector<std::string>{"     active=true", "     differential=true",
                                        "     global factor=-2.5"}));
    WeightedObservation stored;
    stored.lines = obs.lines;
    ASSERT_TRUE(stored.load("weighted observation", ""));
    WeightedObservation live{&v, &calc, &env};
    live = stored;
    EXPECT_TRUE(live.active);
    EXPECT_TRUE(live.differential);
    EXPECT_EQ(live.globalFactor, -2.5);
    EXPECT_EQ(live.system.get(), &v);
    EXPECT_EQ(live.calculation.get(), &calc);
    EXPECT_EQ(live.environment.get(), &env);
}

} // namespace
