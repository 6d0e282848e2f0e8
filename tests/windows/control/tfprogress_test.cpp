#include "windows/control/tfprogress.h"

#include "engine/classwithprogresswindow.h"
#include "support/manualtickclock.h"
#include "windows/control/progressdialogrunner.h"
#include "windows/whenmodal.h"
#include "windows/windowtest.h"

#include <QProgressBar>

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
    EXPECT_EQ(window.size(), QSize(427, 97));
    EXPECT_EQ(window.timer->interval(), 50);
    // Elapsed, left, done and the bar; nothing done yet shows only the share.
    // 3 s for a quarter: 3 * 0.75 / 0.25 + 1 = 10 s left.
    const std::tuple<const char*, const char*, const char*, int> ticks[] = {
        {"-", "-", "0%", 0},
        {"-", "-", "0%", 0},
        {"3 s", "10 s", "25%", 25},
        {"4 s", "5 s", "50%", 50}};
    for (const auto& [elapsed, left, done, bar] : ticks) {
        window.tick();
        EXPECT_EQ(window.LtimeElapsed->text(), elapsed);
        EXPECT_EQ(window.LestimatedTimeLeft->text(), left);
        EXPECT_EQ(window.Ldone->text(), done);
        EXPECT_EQ(window.progressBar->value(), bar);
    }
    EXPECT_EQ(window.result(), 0);
    window.tick();
    EXPECT_EQ(window.result(), QDialog::Accepted) << "the work is done";
    EXPECT_FALSE(window.cancelled);
    const std::pair<double, const char*> parts[] = {
        {0.99, "0"}, {7.999, "7"}, {99.9999, "99"}, {1e12, "1000000000000"}};
    for (const auto& [value, text] : parts)
        EXPECT_EQ(integerPartText(value), text) << value;
}

TEST(TFprogress, CancelIsOfferedOnlyWhenAllowedAndStopsTheRunner) {
    ManualTickClock clock;
    ScriptedTask task(clock, {0.1, 0.2, 1}, 10);
    TFprogress fixed(task, QStringLiteral("Work"), false, 0);
    EXPECT_TRUE(fixed.cancelRect.isNull());
    fixed.show();
    QTest::keyClick(&fixed, Qt::Key_Escape);
    EXPECT_TRUE(fixed.isVisible() && !fixed.cancelled);
    fixed.hide();

    ProgressDialogRunner runner;
    ScriptedTask done(clock, {0.5, 1}, 100);
    EXPECT_TRUE(runner.showAndDrive(done, "Calculating Kinetics", true, 0));
    EXPECT_EQ(done.steps, 2u);
    std::vector<double> slow(30, 0.1);
    slow.push_back(1);
    ScriptedTask endless(clock, slow, 100);
    whenModal<TFprogress>([](TFprogress& w) {
        EXPECT_EQ(w.cancelRect, QRect(353, 16, 66, 65));
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.cancelRect.center());
        EXPECT_TRUE(w.cancelled);
    });
    EXPECT_FALSE(runner.showAndDrive(endless, "Calculating Kinetics", true, 0));
    EXPECT_LT(endless.steps, slow.size());
}
