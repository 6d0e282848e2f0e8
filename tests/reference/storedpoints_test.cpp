#include "reference/storedpoints.h"

#include "engine/calculation.h"
#include "engine/reactor.h"
#include "reference/referencesolution.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Computed {
    Vreactor v;
    Reactor reactor{&v};
    FakeEnvironment environment;
    Calculation calculation{v, reactor, environment};

    void run(double simulationTime, double timeResolution) {
        reactor.simulationTime = simulationTime;
        reactor.timeResolution = timeResolution;
        calculation.calculate();
    }
    double at(int component, int point) const {
        return calculation.kinetics[component].values[point];
    }
};

TEST(StoredReactionRates, ReversibleIsForwardMinusBackward) {
    Computed s;
    const int a = addComponent(s.v, "A", 1), b = addComponent(s.v, "B", 0.6),
              c = addComponent(s.v, "C", 0.1);
    const int d = addComponent(s.v, "D", 0);
    const int k = addComponent(s.v, "K", 0.5, true);
    addReaction(s.v, {{a, 1, -1}, {b, 1, -1}, {c, 1, 1}}, 2, true, 0.4, true);
    // Only the backward direction, with a constant component: -k-[K].
    addReaction(s.v, {{d, 1, -1}, {k, 1, 1}}, 9, false, 0.2, true);
    // An inactive reaction keeps its number and column with rate 0.
    addReaction(s.v, {{a, 1, -1}, {d, 1, 1}}, 5, false);
    s.run(20, 0.001);
    const auto rates = storedReactionRates(s.v, s.calculation);
    ASSERT_EQ(rates.size(), 3u);
    ASSERT_EQ(static_cast<int>(rates[0].size()), s.calculation.pointCount);
    for (int i = 0; i < s.calculation.pointCount; ++i) {
        EXPECT_NEAR(rates[0][static_cast<size_t>(i)],
                    2 * s.at(0, i) * s.at(1, i) - 0.4 * s.at(2, i), 1e-15);
        EXPECT_DOUBLE_EQ(rates[1][static_cast<size_t>(i)], -0.2 * 0.5);
        EXPECT_EQ(rates[2][static_cast<size_t>(i)], 0);
    }
    // The net rate falls towards 0 at equilibrium.
    EXPECT_LT(std::abs(rates[0].back()), 1e-3 * std::abs(rates[0].front()));
}

TEST(StoredReactionRates, SwitchedOffDirectionContributesNothing) {
    Computed s;
    const int a = addComponent(s.v, "A", 1), b = addComponent(s.v, "B", 0);
    addSwitches(addReaction(s.v, {{a, 1, -1}, {b, 1, 1}}, 1).switches, {0.5});
    s.run(1, 0.1);
    const auto rates = storedReactionRates(s.v, s.calculation);
    for (int i = 0; i < s.calculation.pointCount; ++i)
        EXPECT_EQ(rates[0][static_cast<size_t>(i)],
                  s.calculation.times[i] < 0.5 ? s.at(0, i) : 0.0);
}

TEST(ReferenceAtStoredTimes, DeviationEqualsTheKnownEulerError) {
    // A -> B: Euler gives (1 - k dt)^n, the solution e^(-k n dt).
    for (const double dt : {0.1, 0.02, 0.25}) {
        SCOPED_TRACE(dt);
        Computed s;
        const int a = addComponent(s.v, "A", 1), b = addComponent(s.v, "B", 0);
        addReaction(s.v, {{a, 1, -1}, {b, 1, 1}}, 1);
        s.run(8, dt);
        // A and B are off by the same amount; B's largest value is 1 - e^-8.
        double error = 0;
        for (int n = 0; n * dt <= 8 + 1e-9; ++n)
            error = std::max(error, std::abs(std::pow(1 - dt, n) - std::exp(-n * dt)));
        const double expected = error / (1 - std::exp(-8.0));
        ReferenceSolution reference;
        startReferenceAtStoredTimes(reference, s.v, s.calculation);
        ASSERT_TRUE(reference.run());
        EXPECT_NEAR(largestDeviation(storedSeries(s.calculation), s.calculation.pointCount,
                                     reference, {true, true}),
                    expected, 1e-7);
    }
}

} // namespace
