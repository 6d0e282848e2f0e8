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
