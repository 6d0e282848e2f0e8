#include "engine/calculation.h"

#include "engine/progressrunner.h"
#include "engine/reactor.h"
#include "engine/referenceeuler.h"
#include "support/testsystem.h"
#include "foundation/numberformat.h"
#include "support/manualtickclock.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// A clock that moves on by `stepMs` every time it is read, so slices end.
class SteppingClock : public TickClock {
public:
    explicit SteppingClock(std::int64_t step) : stepMs(step), previous_(installTickClock(this)) {}
    ~SteppingClock() override { installTickClock(previous_); }
    SteppingClock(const SteppingClock&) = delete;
    SteppingClock& operator=(const SteppingClock&) = delete;
    std::int64_t milliseconds() override { return now += stepMs; }

    std::int64_t now = 0;
    std::int64_t stepMs;

private:
    TickClock* previous_;
};

// Drives `steps` slices (all of them when negative), then reports done or cancelled.
struct FakeRunner : ProgressRunner {
    bool showAndDrive(ClassWithProgressWindow& task, const std::string& caption, bool canCancel,
                      std::int64_t) override {
        ++shown;
        title = caption;
        cancellable = canCancel;
        if (onShow) onShow();
        for (int i = 0; steps < 0 || i < steps; ++i)
            if (!task.step()) return true;
        return false;
    }
    int steps = -1;
    int shown = 0;
    std::string title;
    bool cancellable = false;
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

    // The states the reactor passes through, step by step, from the literal step.
    std::vector<std::vector<double>> referenceStates(int steps) {
        Reactor fresh(&v);
        fresh.timeResolution = r.timeResolution;
        fresh.init();
        ReferenceEuler reference(fresh);
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

// Reads the clock after every point, so that a clock moving on with every
// reading ends slices.
class SlicedCalculationTest : public CalculationTest {
protected:
    SlicedCalculationTest() { calc.clockCheckWork = 1; }
};

TEST_F(CalculationTest, StrideAndStoredPoints) {
    struct Case {
        double simulationTime, timeResolution;
        bool extended;
        int totalSteps, stride, points;
    };
    for (const Case& c : std::vector<Case>{{10, 0.001, false, 10000, 5, 2001},
                                           {10, 0.001, true, 10000, 1, 10001},
                                           {1, 0.1, false, 10, 1, 11},
                                           {9.9995, 0.001, false, 10000, 5, 2001},
                                           {30, 0.001, false, 30000, 15, 2001},
                                           {4.003, 0.001, false, 4003, 3, 1336},
                                           {0, 0.1, false, 1, 1, 1}}) {
        SCOPED_TRACE(std::to_string(c.simulationTime) + " / " + std::to_string(c.timeResolution));
        r.simulationTime = c.simulationTime;
        r.timeResolution = c.timeResolution;
        env.extended = c.extended;
        calc.calculate();
        EXPECT_EQ(calc.totalSteps, c.totalSteps);
        EXPECT_EQ(calc.stride, c.stride);
        ASSERT_EQ(calc.pointCount, c.points);
        EXPECT_FALSE(calc.isBusy());
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

TEST_F(CalculationTest, ZeroTimeStepStoresTheInitialStateAtTimeZero) {
    r.timeResolution = 0;
    calc.calculate();
    EXPECT_EQ(calc.totalSteps, 1);
    EXPECT_EQ(calc.stride, 1);
    ASSERT_EQ(calc.pointCount, 2001);
    for (int k = 0; k < calc.pointCount; ++k) {
        ASSERT_EQ(calc.times[k], 0);
        ASSERT_EQ(calc.kinetics[0].values[k], 1);
        ASSERT_EQ(calc.kinetics[1].values[k], 0);
    }
}

TEST_F(CalculationTest, StepLimitsRefuseWithTheirMessage) {
    const std::string reduce = "Reduce simulation time;or increase time step!";
    struct Case {
        bool animation;
        double simulationTime;
        bool accepted;
        std::string message;
    };
    for (const Case& c :
         std::vector<Case>{{false, 1e9 + 0.5, true, ""},
                           {false, 1e9 + 1.5, false, "Too many iterations!;" + reduce},
                           {true, 1e6 + 0.5, true, ""},
                           {true, 1e6 + 1.5, false,
                            "Too many iterations!;1000000 allowed for animations.;" + reduce}}) {
        SCOPED_TRACE(c.simulationTime);
        r.timeResolution = 1;
        r.simulationTime = c.simulationTime;
        env.animation = c.animation;
        EXPECT_EQ(calc.prepare(), c.accepted);
        EXPECT_EQ(calc.message, c.message);
        if (c.accepted) {
            EXPECT_EQ(calc.totalSteps, static_cast<int>(c.simulationTime + 0.5));
        }
    }
}

// Settings read from a file can be anything: these refuse with a message and
// discard the previous results.
TEST_F(CalculationTest, UnusableSettingsRefuseWithAMessage) {
    const std::string badStep = "Invalid time step!;Enter a finite time step;of zero or more.";
    const std::string badTime =
        "Invalid simulation time!;Enter a finite simulation;time of zero or more.";
    struct Case {
        double timeResolution, simulationTime;
        std::string message;
    };
    for (const Case& c : std::vector<Case>{{-0.001, 10, badStep},
                                           {nan, 10, badStep},
                                           {inf, 10, badStep},
                                           {-inf, 10, badStep},
                                           {0.001, -1, badTime},
                                           {0.001, nan, badTime},
                                           {0.001, inf, badTime},
                                           {0, inf, badTime},
                                           {1e-320, 10,
                                            "Too many iterations!;Reduce simulation "
                                            "time;or increase time step!"}}) {
        SCOPED_TRACE(std::to_string(c.timeResolution) + " / " + std::to_string(c.simulationTime));
        r.timeResolution = 0.001;
        r.simulationTime = 10;
        calc.calculate();
        ASSERT_EQ(calc.pointCount, 2001);
        r.timeResolution = c.timeResolution;
        r.simulationTime = c.simulationTime;
        calc.calculate();
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
}

TEST_F(CalculationTest, EmptySystemStillStoresTheTimes) {
    v = Vreactor();
    calc.calculate();
    EXPECT_EQ(calc.kinetics.count(), 0);
    ASSERT_EQ(calc.pointCount, 2001);
    EXPECT_EQ(calc.times[2000], 10);
}

TEST_F(CalculationTest, VerdictCarriesTheStatistics) {
    ManualTickClock clock;
    struct Case {
        std::int64_t elapsed;
        std::string time;
    };
    for (const Case& c :
         std::vector<Case>{{153, "153 ms"}, {999, "999 ms"}, {1534, "1.534 s"}, {60000, "60 s"}}) {
        clock.now = 5000;
        ASSERT_TRUE(calc.prepare());
        while (calc.step()) {
        }
        clock.now += c.elapsed;
        calc.finish();
        EXPECT_EQ(calc.message, r.statusText() + ";dc/c max:" + formatNumber(r.maxRelativeChange) +
                                    ";iterations:10000;calc time:" + c.time);
        EXPECT_EQ(env.statuses.back(), calc.message);
    }
    EXPECT_EQ(r.statusText(), "ok");
    EXPECT_GT(r.maxRelativeChange, 0);
}

TEST_F(CalculationTest, RecomputesOnSystemEventsWhileAutoRefreshIsOn) {
    for (int event = 0; event <= 7; ++event)
        calc.receive(event);
    EXPECT_EQ(env.statuses.size(), 4u);
    env.autoRefreshOn = false;
    for (int event = 0; event <= 7; ++event)
        calc.receive(event);
    EXPECT_EQ(env.statuses.size(), 4u);
}

TEST_F(SlicedCalculationTest, StepWorksInSlicesAndStoresNothingAfterTheEnd) {
    SteppingClock clock(1);
    ASSERT_TRUE(calc.prepare());
    EXPECT_TRUE(calc.step());
    EXPECT_GT(calc.storedPoints, 10);
    EXPECT_LT(calc.storedPoints, 200);
    EXPECT_GT(calc.progress, 0);
    int slices = 1;
    while (calc.step())
        ++slices;
    EXPECT_GT(slices, 10);
    EXPECT_EQ(calc.storedPoints, 2001);
    EXPECT_EQ(calc.progress, 1);
    EXPECT_FALSE(calc.step());
    EXPECT_EQ(calc.storedPoints, 2001);
    EXPECT_EQ(calc.times.count(), 2001);
}

TEST_F(CalculationTest, PacedClockReadingsStillEndSlices) {
    SteppingClock clock(60);
    r.simulationTime = 1000; // a million steps
    ASSERT_TRUE(calc.prepare());
    EXPECT_TRUE(calc.step());
    EXPECT_GT(calc.storedPoints, 1);
    EXPECT_LT(calc.storedPoints, 2001);
}

TEST_F(SlicedCalculationTest, LongRunsGoThroughTheProgressWindowUnlessAnimating) {
    SteppingClock clock(1);
    FakeRunner runner;
    env.runner = &runner;
    calc.calculate();
    EXPECT_EQ(runner.shown, 1);
    EXPECT_EQ(runner.title, "Calculating Kinetics");
    EXPECT_TRUE(runner.cancellable);
    EXPECT_EQ(calc.pointCount, 2001);

    env.animation = true;
    calc.calculate();
    EXPECT_EQ(runner.shown, 1);
    EXPECT_EQ(calc.pointCount, 2001);
}

TEST_F(SlicedCalculationTest, CancelKeepsThePointsSoFarAndIgnoresNestedRequests) {
    SteppingClock clock(1);
    FakeRunner runner;
    runner.steps = 1;
    runner.onShow = [this] { calc.calculate(); }; // a change arriving during the run
    env.runner = &runner;
    calc.calculate();
    EXPECT_EQ(runner.shown, 1);
    EXPECT_EQ(env.statuses.size(), 1u);
    EXPECT_GT(calc.pointCount, 1);
    EXPECT_LT(calc.pointCount, 2001);
    EXPECT_EQ(calc.times.count(), calc.pointCount);
    EXPECT_EQ(calc.message.rfind("ok;dc/c max:", 0), 0u) << calc.message;
    EXPECT_EQ(calc.times[calc.pointCount - 1], ((calc.pointCount - 1) * 5) * 0.001);
}

} // namespace
