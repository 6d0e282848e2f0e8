#include "engine/progressrunner.h"

#include "support/manualtickclock.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// Work of `total` steps of 10 ms each whose progress claims `fraction` per
// step; as the window, it notes when it appears and runs to its end.
struct Work : ClassWithProgressWindow, ProgressRunner {
    bool step() override {
        clock.now += 10;
        progress = ++done * fraction;
        return done < total;
    }
    bool showAndDrive(ClassWithProgressWindow&, const std::string&, bool,
                      std::int64_t start) override {
        shownAfter = clock.now - start;
        while (step()) {
        }
        return true;
    }
    ManualTickClock clock;
    int total = 0, done = 0;
    double fraction = 0;
    std::int64_t shownAfter = -1;
};

TEST(RunWithProgress, ShowsTheWindowOnlyForLongWork) {
    // steps, progress per step, when the window appears (-1: never)
    const std::tuple<int, double, int> cases[] = {{5, 1.0 / 5, -1},       // 50 ms
                                                  {500, 1.0 / 500, 250},  // estimated 5 s
                                                  {90, 1.0 / 90, -1},     // 0.9 s, on course
                                                  {150, 1.0 / 90, 1100},  // 1.5 s, too hopeful
                                                  {150, 1.0 / 150, 250}}; // behind at 250 ms
    for (const auto& [steps, fraction, shownAfter] : cases) {
        Work work;
        work.total = steps;
        work.fraction = fraction;
        EXPECT_TRUE(runWithProgress(work, "Work", true, &work));
        EXPECT_EQ(work.done, steps);
        EXPECT_EQ(work.shownAfter, shownAfter) << steps << " steps, " << fraction;
    }
}

} // namespace
