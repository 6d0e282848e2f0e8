#include "engine/calculation.h"

#include "engine/progressrunner.h"
#include "engine/reactor.h"
#include "engine/referenceeuler.h"
#include "foundation/numberformat.h"
#include "support/manualtickclock.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// Drives `steps` slices (all of them when negative), then reports done or cancelled.
struct FakeRunner : ProgressRunner {
    bool showAndDrive(ClassWithProgressWindow& task, const std::string& caption, bool canCancel,
                      std::int64_t) override {
        ++shown;
        title = caption + (canCancel ? " (cancellable)" : "");
        if (onShow) onShow();
        for (int i = 0; steps < 0 || i < steps; ++i)
            if (!task.step()) return true;
        return false;
    }
    int steps = -1;
    int shown = 0;
    std::string title;
    std::function<void()> onShow;
};

class CalculationTest : public ::testing::Test {
protected:
    // A -> B with k = 1 from A = 1.
    CalculationTest() {
        addComponent(v, "A", 1);
        addComponent(v, "B", 0);
        addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 1);
    }

    // The states of the literal step, from the initial one on.
    std::vector<std::vector<double>> referenceStates(int steps) {
        ReferenceEuler reference(v, r.timeResolution);
        std::vector<std::vector<double>> states{reference.c};
        while (static_cast<int>(states.size()) <= steps && reference.step())
            states.push_back(reference.c);
        return states;
    }

    Vreactor v;
    Reactor r{&v};
    FakeEnvironment env;
    Calculation calc{v, r, env};
};

TEST_F(CalculationTest, StrideAndStoredPoints) {
    const struct {
        double simulationTime, timeResolution;
        bool extended;
        int totalSteps, stride, points;
    } cases[] = {{10, 0.001, false, 10000, 5, 2001},
                 {10, 0.001, true, 10000, 1, 10001},
                 {1, 0.1, false, 10, 1, 11},
                 {9.9995, 0.001, false, 10000, 5, 2001},
                 {30, 0.001, false, 30000, 15, 2001},
                 {4.003, 0.001, false, 4003, 3, 1336},
                 {0, 0.1, false, 1, 1, 1},
                 {10, 0, false, 1, 1, 2001}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.simulationTime) + " / " + std::to_string(c.timeResolution));
        r.simulationTime = c.simulationTime;
        r.timeResolution = c.timeResolution;
        env.extended = c.extended;
        calc.calculate();
        EXPECT_EQ(calc.totalSteps, c.totalSteps);
        EXPECT_EQ(calc.stride, c.stride);
        ASSERT_EQ(calc.pointCount, c.points);
        const auto states = referenceStates((c.points - 1) * c.stride);
        for (int k = 0; k < c.points; ++k) {
            ASSERT_EQ(calc.times[k], (k * c.stride) * c.timeResolution) << k;
            ASSERT_EQ(calc.kinetics[0].values[k], states[k * c.stride][0]) << k;
            ASSERT_EQ(calc.kinetics[1].values[k], states[k * c.stride][1]) << k;
        }
        EXPECT_EQ(calc.kinetics[0].maximum, 1);
        EXPECT_EQ(calc.kinetics[0].minimum, calc.kinetics[0].values[c.points - 1]);
        EXPECT_EQ(calc.kinetics[1].minimum, 0);
    }
}

// Settings read from a file can be anything: refused settings leave a message
// and discard the previous results.
TEST_F(CalculationTest, RefusedSettingsAndStepLimits) {
    const std::string
        reduce = "Reduce simulation time;or increase time step!",
        many = "Too many iterations!;" + reduce,
        step = "Invalid time step!;Enter a finite time step;of zero or more.",
        time = "Invalid simulation time!;Enter a finite simulation;time of zero or more.";
    const struct {
        bool animation;
        double timeResolution, simulationTime;
        std::string message; // empty: accepted
    } cases[] = {
        {false, 1, 1e9 + 0.5, ""},
        {false, 1, 1e9 + 1.5, many},
        {true, 1, 1e6 + 0.5, ""},
        {true, 1, 1e6 + 1.5, "Too many iterations!;1000000 allowed for animations.;" + reduce},
        {false, 1e-320, 10, many},
        {false, -0.001, 10, step},
        {false, nan, 10, step},
        {false, -inf, 10, step},
        {false, 0.001, -1, time},
        {false, 0.001, nan, time},
        {false, 0, inf, time}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.timeResolution) + " / " + std::to_string(c.simulationTime));
        env.animation = false;
        r.timeResolution = 0.001;
        r.simulationTime = 10;
        calc.calculate();
        ASSERT_EQ(calc.pointCount, 2001);
        r.timeResolution = c.timeResolution;
        r.simulationTime = c.simulationTime;
        env.animation = c.animation;
        EXPECT_EQ(calc.prepare(), c.message.empty());
        EXPECT_EQ(calc.message, c.message);
        if (c.message.empty()) {
            EXPECT_EQ(calc.totalSteps, static_cast<int>(c.simulationTime + 0.5));
            calc.finish();
            continue;
        }
        calc.finish();
        EXPECT_EQ(env.statuses.back(), c.message);
        EXPECT_EQ(calc.pointCount, 0);
        EXPECT_EQ(calc.times.count(), 0);
        ASSERT_EQ(calc.kinetics.count(), 2);
        EXPECT_EQ(calc.kinetics[0].values.count(), 0);
        EXPECT_FALSE(calc.isBusy());
    }
}

// C (constant) feeds B; A + B -> B removes A ever faster until, in step 37,
// the rate exceeds what is left of A.
TEST_F(CalculationTest, OverflowKeepsThePointsBeforeIt) {
    v = Vreactor();
    addComponent(v, "A", 1);
    addComponent(v, "B", 0);
    addComponent(v, "C", 1, true);
    addReaction(v, {{2, 1, -1}, {1, 1, 1}}, 28.2);
    addReaction(v, {{0, 1, -1}, {1, 1, -1}, {1, 1, 1}}, 1000);
    r.simulationTime = 1;
    const auto states = referenceStates(100);
    ASSERT_EQ(states.size(), 37u); // the initial state and 36 good steps
    calc.calculate();
    ASSERT_EQ(calc.pointCount, 37);
    EXPECT_EQ(calc.times[36], 36 * 0.001);
    for (int k = 0; k < 37; ++k)
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(calc.kinetics[i].values[k], states[k][i]);
    EXPECT_EQ(calc.message.rfind("calculation overflow;dc/c max:", 0), 0u) << calc.message;
    EXPECT_NE(calc.message.find(";iterations:36;"), std::string::npos) << calc.message;

    v = Vreactor(); // no components: still the times
    r.simulationTime = 10;
    calc.calculate();
    EXPECT_EQ(calc.kinetics.count(), 0);
    ASSERT_EQ(calc.pointCount, 2001);
    EXPECT_EQ(calc.times[2000], 10);
}

TEST_F(CalculationTest, VerdictCarriesTheStatistics) {
    ManualTickClock clock;
    const std::pair<std::int64_t, std::string> cases[] = {
        {999, "999 ms"}, {1534, "1.534 s"}, {60000, "60 s"}};
    for (const auto& [elapsed, text] : cases) {
        clock.now = 5000;
        ASSERT_TRUE(calc.prepare());
        while (calc.step()) {
        }
        clock.now += elapsed;
        calc.finish();
        EXPECT_EQ(calc.message, "ok;dc/c max:" + formatNumber(r.maxRelativeChange) +
                                    ";iterations:10000;calc time:" + text);
        EXPECT_EQ(env.statuses.back(), calc.message);
    }
    EXPECT_GT(r.maxRelativeChange, 0);
}

TEST_F(CalculationTest, RecomputesOnSystemEventsWhileAutoRefreshIsOn) {
    for (bool autoRefresh : {true, false}) {
        env.autoRefreshOn = autoRefresh;
        for (int event = 0; event <= 7; ++event)
            calc.receive(event);
    }
    EXPECT_EQ(env.statuses.size(), 4u);
}

TEST_F(CalculationTest, StepWorksInSlicesAndStoresNothingAfterTheEnd) {
    ManualTickClock clock;
    clock.stepPerReading = 60;
    r.simulationTime = 1000; // a million steps, the clock read at the default pace
    ASSERT_TRUE(calc.prepare());
    EXPECT_TRUE(calc.step());
    EXPECT_GT(calc.storedPoints, 1);
    EXPECT_LT(calc.storedPoints, 2001);

    clock.stepPerReading = 1;
    calc.clockCheckWork = 1;
    r.simulationTime = 10;
    ASSERT_TRUE(calc.prepare());
    EXPECT_TRUE(calc.step());
    EXPECT_GT(calc.storedPoints, 10);
    EXPECT_LT(calc.storedPoints, 200);
    EXPECT_GT(calc.progress, 0);
    while (calc.step()) {
    }
    EXPECT_EQ(calc.progress, 1);
    EXPECT_FALSE(calc.step());
    EXPECT_EQ(calc.storedPoints, 2001);
    EXPECT_EQ(calc.times.count(), 2001);
}

TEST_F(CalculationTest, LongRunsGoThroughTheProgressWindowUnlessAnimating) {
    ManualTickClock clock;
    clock.stepPerReading = 1;
    calc.clockCheckWork = 1;
    FakeRunner runner;
    env.runner = &runner;
    for (bool animation : {false, true}) {
        env.animation = animation;
        calc.calculate();
        EXPECT_EQ(runner.shown, 1);
        EXPECT_EQ(calc.pointCount, 2001);
    }
    EXPECT_EQ(runner.title, "Calculating Kinetics (cancellable)");

    // Cancelled after one slice, with a change arriving during the run.
    runner.steps = 1;
    runner.onShow = [this] { calc.calculate(); };
    env.animation = false;
    env.statuses.clear();
    calc.calculate();
    EXPECT_EQ(runner.shown, 2);
    EXPECT_EQ(env.statuses.size(), 1u);
    EXPECT_GT(calc.pointCount, 1);
    EXPECT_LT(calc.pointCount, 2001);
    EXPECT_EQ(calc.times.count(), calc.pointCount);
    EXPECT_EQ(calc.message.rfind("ok;dc/c max:", 0), 0u) << calc.message;
    EXPECT_EQ(calc.times[calc.pointCount - 1], ((calc.pointCount - 1) * 5) * 0.001);
}

} // namespace
