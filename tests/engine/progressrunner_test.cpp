#include "engine/progressrunner.h"

#include "support/manualtickclock.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Work of `total` steps of 10 ms each whose progress claims `fractionPerStep` per step.
struct TimedTask : ClassWithProgressWindow {
    TimedTask(ManualTickClock& c, int steps, double fraction)
        : clock(c), total(steps), fractionPerStep(fraction) {}
    bool step() override {
        clock.now += 10;
        progress = ++done * fractionPerStep;
        return done < total;
    }
    ManualTickClock& clock;
    int total;
    double fractionPerStep;
    int done = 0;
};

// Drives the task to its end, or cancels at once.
struct RecordingRunner : ProgressRunner {
    RecordingRunner(ManualTickClock& c, bool cancel) : clock(c), cancels(cancel) {}
    bool showAndDrive(ClassWithProgressWindow& task, const std::string& caption, bool canCancel,
                      std::int64_t start) override {
        shownAt = clock.now;
        startTick = start;
        title = caption + (canCancel ? " (cancellable)" : "");
        while (!cancels && task.step()) {
        }
        return !cancels;
    }
    ManualTickClock& clock;
    bool cancels;
    std::int64_t shownAt = -1, startTick = -1;
    std::string title;
};

TEST(RunWithProgress, ShowsTheWindowOnlyForLongWork) {
    const struct {
        const char* name;
        int steps;
        double fractionPerStep;
        std::int64_t shownAt; // -1: never
    } cases[] = {{"50 ms", 5, 1.0 / 5, -1},
                 {"estimated 5 s", 500, 1.0 / 500, 250},
                 {"0.9 s, on course", 90, 1.0 / 90, -1},
                 {"1.5 s, progress too hopeful", 150, 1.0 / 90, 1100},
                 {"1.5 s, progress behind at 250 ms", 150, 1.0 / 150, 250}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ManualTickClock clock;
        clock.now = 7000;
        TimedTask task(clock, c.steps, c.fractionPerStep);
        RecordingRunner runner(clock, false);
        EXPECT_TRUE(runWithProgress(task, "Calculating Kinetics", true, &runner));
        EXPECT_EQ(task.done, c.steps);
        EXPECT_EQ(runner.shownAt, c.shownAt < 0 ? -1 : 7000 + c.shownAt);
        if (c.shownAt >= 0) {
            EXPECT_EQ(runner.startTick, 7000);
            EXPECT_EQ(runner.title, "Calculating Kinetics (cancellable)");
        }
    }
}

TEST(RunWithProgress, CancelReportsFalseAndNoRunnerRunsToTheEnd) {
    ManualTickClock clock;
    TimedTask cancelled(clock, 500, 1.0 / 500), windowless(clock, 500, 1.0 / 500);
    RecordingRunner runner(clock, true);
    EXPECT_FALSE(runWithProgress(cancelled, "Work", false, &runner));
    EXPECT_EQ(runner.title, "Work");
    EXPECT_LT(cancelled.done, 500);
    EXPECT_TRUE(runWithProgress(windowless, "Work", true, nullptr));
    EXPECT_EQ(windowless.done, 500);
}

} // namespace
