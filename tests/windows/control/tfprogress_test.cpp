#include "windows/control/tfprogress.h"

#include "engine/classwithprogresswindow.h"
#include "support/manualtickclock.h"
#include "windows/control/progressdialogrunner.h"
#include "windows/whenmodal.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Reports the fractions of a script, one per step, and advances the clock
// by a fixed time per step.
struct ScriptedTask : ClassWithProgressWindow {
    ScriptedTask(ManualTickClock& c, std::vector<double> f, std::int64_t ms)
        : clock(c), fractions(std::move(f)), msPerStep(ms) {}
    bool step() override {
        clock.now += msPerStep;
        progress = fractions.at(std::min(steps, fractions.size() - 1));
        ++steps;
        return steps < fractions.size();
    }
    ManualTickClock& clock;
    std::vector<double> fractions;
    std::int64_t msPerStep;
    size_t steps = 0;
};

} // namespace

TEST(TFprogress, ShowsElapsedRemainingAndDone) {
    ManualTickClock clock;
    ScriptedTask task(clock, {0, 0, 0.25, 0.5, 1}, 1000);
    TFprogress window(task, QStringLiteral("Calculating Kinetics"), true, 0);
    EXPECT_EQ(window.windowTitle(), "Calculating Kinetics");
    EXPECT_EQ(window.size(), QSize(427, 97));
    EXPECT_EQ(window.progressBar->geometry(), QRect(8, 56, 337, 9));
    EXPECT_EQ(window.cancelRect, QRect(353, 16, 66, 65));
    EXPECT_EQ(window.timer->interval(), 50);

    struct Expected {
        const char *elapsed, *left, *done;
        int bar;
    };
    const Expected ticks[] = {
        // Nothing done yet: only the share.
        {"-", "-", "0%", 0},
        {"-", "-", "0%", 0},
        // 3 s for a quarter: 3 * 0.75 / 0.25 + 1 = 10 s left.
        {"3 s", "10 s", "25%", 25},
        {"4 s", "5 s", "50%", 50},
    };
    for (const Expected& e : ticks) {
        window.tick();
        EXPECT_EQ(window.LtimeElapsed->text(), e.elapsed);
        EXPECT_EQ(window.LestimatedTimeLeft->text(), e.left);
        EXPECT_EQ(window.Ldone->text(), e.done);
        EXPECT_EQ(window.progressBar->value(), e.bar);
    }
    EXPECT_EQ(window.result(), 0);
    window.tick();
    EXPECT_EQ(window.result(), QDialog::Accepted) << "the work is done";
    EXPECT_FALSE(window.cancelled);
}

TEST(TFprogress, IntegerPartsRoundTowardZero) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"}, {0.99, "0"}, {7.999, "7"}, {12, "12"}, {99.9999, "99"}, {1e12, "1000000000000"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(integerPartText(value), text) << value;
}

TEST(TFprogress, CancelIsOfferedOnlyWhenAllowed) {
    ManualTickClock clock;
    ScriptedTask task(clock, {0.1, 0.2, 1}, 10);
    TFprogress fixed(task, QStringLiteral("Work"), false, 0);
    EXPECT_TRUE(fixed.cancelRect.isNull());
    fixed.show();
    QTest::keyClick(&fixed, Qt::Key_Escape);
    EXPECT_TRUE(fixed.isVisible());
    EXPECT_FALSE(fixed.cancelled);
    fixed.hide();

    TFprogress optional(task, QStringLiteral("Work"), true, 0);
    optional.show();
    QTest::mouseClick(&optional, Qt::LeftButton, {}, optional.cancelRect.center());
    EXPECT_TRUE(optional.cancelled);
    EXPECT_FALSE(optional.isVisible());
}

TEST(ProgressDialogRunner, DrivesTheTaskUntilItEndsOrIsCancelled) {
    ManualTickClock clock;
    ScriptedTask task(clock, {0.2, 0.4, 0.6, 0.8, 1}, 100);
    ProgressDialogRunner runner;
    EXPECT_TRUE(runner.showAndDrive(task, "Calculating Kinetics", true, 0));
    EXPECT_EQ(task.steps, 5u);

    ScriptedTask endless(clock, {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1,
                                 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 1},
                         100);
    whenModal<TFprogress>(
        [](TFprogress& w) { QTest::mouseClick(&w, Qt::LeftButton, {}, w.cancelRect.center()); });
    EXPECT_FALSE(runner.showAndDrive(endless, "Calculating Kinetics", true, 0));
    EXPECT_LT(endless.steps, endless.fractions.size());
}
