#include "engine/calculation.h"

#include "engine/progressrunner.h"
#include "engine/reactor.h"
#include "support/manualtickclock.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

class CalculationTest : public ::testing::Test, public ProgressRunner {
protected:
    // A -> B from A = 1.
    CalculationTest() {
        addComponent(v, "A", 1);
        addComponent(v, "B", 0);
        addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 1);
    }
    // As the progress window: a calculation requested meanwhile is ignored;
    // the user cancels after one slice.
    bool showAndDrive(ClassWithProgressWindow& task, const std::string&, bool,
                      std::int64_t) override {
        calc.calculate();
        task.step();
        return false;
    }

    Vreactor v;
    Reactor r{&v};
    FakeEnvironment env;
    Calculation calc{v, r, env};
};

// The points stored are the reactor's states every `stride` steps, exactly.
// Settings read from a file can be anything: refused ones leave a message and
// discard the previous results.
TEST_F(CalculationTest, StoredPointsAndRefusedSettings) {
    const std::string reduce = "Reduce simulation time;or increase time step!";
    const std::string many = "Too many iterations!;" + reduce;
    const std::string step = "Invalid time step!;Enter a finite time step;of zero or more.";
    const std::string time = "Invalid simulation time!;Enter a finite simulation;time of zero or "
                             "more.";
    const struct {
        double simulationTime, timeResolution, k;
        int detail; // 1 extended, 2 while animating
        int totalSteps, stride, points;
        std::string message; // how it starts
    } cases[] = {{10, 0.001, 1, 0, 10000, 5, 2001, "ok;dc/c max:"},
                 {10, 0.001, 1, 1, 10000, 1, 10001, "ok;"},
                 {9.9995, 0.001, 1, 0, 10000, 5, 2001, "ok;"},
                 {4.003, 0.001, 1, 0, 4003, 3, 1336, "ok;"},
                 {1, 0.1, 1, 2, 10, 1, 11, "critical accuracy;"},
                 {1, 0.05, 1, 0, 20, 1, 21, "accuracy warning;"},
                 {0, 0.1, 1, 0, 1, 1, 1, "ok;"},
                 {10, 0, 1, 0, 1, 1, 2001, "ok;"},
                 {10, 0.001, 1500, 0, 10000, 5, 1, "calculation overflow;dc/c max:"},
                 {1e9 + 1.5, 1, 1, 0, 0, 1, 0, many},
                 {1e6 + 1.5, 1, 1, 2, 0, 1, 0,
                  "Too many iterations!;1000000 allowed for animations.;" + reduce},
                 {10, 1e-320, 1, 0, 0, 1, 0, many},
                 {10, -0.001, 1, 0, 0, 1, 0, step},
                 {10, nan, 1, 0, 0, 1, 0, step},
                 {nan, 0.001, 1, 0, 0, 1, 0, time},
                 {inf, 0, 1, 0, 0, 1, 0, time}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.simulationTime) + " / " + std::to_string(c.timeResolution));
        r.simulationTime = c.simulationTime;
        r.timeResolution = c.timeResolution;
        v.reactions[0].rateConstant = c.k;
        env.extended = c.detail == 1;
        env.animation = c.detail == 2;
        calc.calculate();
        EXPECT_EQ(env.statuses.back().rfind(c.message, 0), 0u) << calc.message;
        EXPECT_EQ(calc.totalSteps, c.totalSteps);
        EXPECT_EQ(calc.stride, c.stride);
        ASSERT_EQ(calc.pointCount, c.points);
        ASSERT_EQ(calc.times.count(), c.points);
        Reactor replay = r;
        replay.init();
        for (int k = 0; k < c.points; replay.advanceSteps(c.stride), ++k) {
            ASSERT_EQ(calc.times[k], (k * c.stride) * c.timeResolution) << k;
            ASSERT_EQ(calc.kinetics[0].values[k], replay.concentrations[0]) << k;
            ASSERT_EQ(calc.kinetics[1].values[k], replay.concentrations[1]) << k;
        }
        EXPECT_EQ(calc.kinetics[1].values.count(), c.points);
        EXPECT_EQ(calc.kinetics[0].maximum, c.points > 0 ? 1 : 0);
    }
}

// Slices end on time even when the clock is read only after much work. A long
// run goes through the progress window; a cancelled one keeps its points.
TEST_F(CalculationTest, SlicesAndTheProgressWindow) {
    ManualTickClock clock;
    clock.stepPerReading = 60;
    r.simulationTime = 1000; // a million steps, the clock read at the default pace
    ASSERT_TRUE(calc.prepare());
    EXPECT_TRUE(calc.step());
    EXPECT_LT(calc.storedPoints, 2001);
    calc.finish();

    clock.stepPerReading = 1;
    calc.clockCheckWork = 1;
    r.simulationTime = 10;
    env.runner = this;
    calc.calculate();
    EXPECT_EQ(env.statuses.size(), 2u);
    EXPECT_GT(calc.pointCount, 10);
    EXPECT_LT(calc.pointCount, 2001);
    EXPECT_EQ(calc.times.count(), calc.pointCount);
    EXPECT_EQ(calc.times[calc.pointCount - 1], ((calc.pointCount - 1) * 5) * 0.001);
    EXPECT_FALSE(calc.step()) << "nothing is stored after the end";
}

// The verdict's boundaries, and the whole message of a run with 10000 steps,
// a largest relative change of 0.0342 and the computing time from the clock.
TEST_F(CalculationTest, TheVerdictAndTheWholeMessage) {
    const std::pair<double, const char*> verdicts[] = {{0.02, "ok"},
                                                       {0.0200001, "accuracy warning"},
                                                       {0.1, "accuracy warning"},
                                                       {0.1000001, "critical accuracy"}};
    for (const auto& [change, verdict] : verdicts) {
        r.maxRelativeChange = change;
        EXPECT_EQ(r.statusText(), verdict) << change;
    }
    r.overflow = true;
    EXPECT_EQ(r.statusText(), "calculation overflow");

    ManualTickClock clock;
    const std::pair<std::int64_t, const char*> times[] = {
        {153, "153 ms"}, {999, "999 ms"}, {1000, "1 s"}, {1500, "1.5 s"}};
    for (const auto& [elapsed, shown] : times) {
        ASSERT_TRUE(calc.prepare());
        r.stepCount = 10000;
        r.maxRelativeChange = 0.0342;
        clock.now += elapsed;
        calc.finish();
        EXPECT_EQ(env.statuses.back(), std::string("accuracy warning;dc/c max:0.0342;iterations:"
                                                   "10000;calc time:") +
                                           shown);
    }
}

} // namespace
