#include "windows/control/tfcontrol.h"

#include "session/program.h"
#include "support/eventlog.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"
#include "windows/common/windowlook.h"
#include "windows/input/tfinputfield.h"
#include "windows/windowtest.h"

#include <algorithm>

namespace {

using Events = std::vector<int>;

class TFcontrolTest : public ::testing::Test {
protected:
    TFcontrolTest() {
        program.newSession();
        program.registerReceivers(nullptr, nullptr, &log);
        program.statusDisplay = [this](const std::string& s) { control.showStatus(s); };
        control.show();
        log.events.clear();
    }

    void click(const QRect& r) { QTest::mouseClick(&control, Qt::LeftButton, {}, r.center()); }
    std::string lastLabel() const { return program.history.label(program.history.current()); }

    TempDir dir;
    RecordingMessageSink messages;
    Program program{dir.path()};
    EventLog log;
    TFcontrol control{program};
};

TEST_F(TFcontrolTest, PlusAndMinusKeepTheTimeAboveTheStepAndMergeTheirLevels) {
    // time, step, button, then the time and step after the click
    const std::tuple<double, double, QRect TFcontrol::*, double, double> cases[] = {
        {10, 0.001, &TFcontrol::simulationTimePlusRect, 20, 0.001},
        {10, 0.001, &TFcontrol::simulationTimeMinusRect, 5, 0.001},
        {10, 0.001, &TFcontrol::timeStepPlusRect, 10, 0.002},
        {10, 0.001, &TFcontrol::timeStepMinusRect, 10, 0.0005},
        // Twice the step: halving the time or doubling the step is refused.
        {2, 1, &TFcontrol::simulationTimeMinusRect, 2, 1},
        {2, 1, &TFcontrol::timeStepPlusRect, 2, 1},
        // The dialog's bounds hold for the buttons too.
        {1e100, 1, &TFcontrol::simulationTimePlusRect, 1e100, 1},
        {10, 1e-100, &TFcontrol::timeStepMinusRect, 10, 1e-100},
    };
    Reactor& r = program.reactor;
    for (const auto& [time, step, button, newTime, newStep] : cases) {
        r.simulationTime = time;
        r.timeResolution = step;
        log.events.clear();
        click(control.*button);
        EXPECT_EQ(std::pair(r.simulationTime, r.timeResolution), std::pair(newTime, newStep));
        const bool changed = time != newTime || step != newStep;
        EXPECT_EQ(log.events, changed ? Events{parametersChanged} : Events{});
    }
    // Repeated changes of one value leave one level.
    EXPECT_EQ(program.history.count(), 3);
    EXPECT_EQ(program.history.label(1), "Change simulation time");
    EXPECT_EQ(lastLabel(), "Change time step");

    // While an animation runs, its steps keep the kinetics current.
    const int a = addComponent(program.vReactor, "A", 1);
    program.animation.setAnimated(&program.vReactor.components[a].initialConcentration);
    log.events.clear();
    click(control.simulationTimePlusRect);
    EXPECT_EQ(r.simulationTime, 20);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(lastLabel(), "Change simulation time");
}

TEST_F(TFcontrolTest, AutoRefreshOffShowsOfflineAndOnRecomputes) {
    std::vector<bool> toggles;
    QObject::connect(&control, &TFcontrol::autoRefreshToggled,
                     [&](bool on) { toggles.push_back(on); });
    click(control.autoRefreshRect);
    EXPECT_FALSE(program.kineticsView.autoRefresh);
    EXPECT_EQ(control.status, "offline");
    EXPECT_TRUE(log.events.empty());
    program.status.clear();
    click(control.autoRefreshRect);
    EXPECT_EQ(log.events, Events{systemChanged});
    EXPECT_FALSE(program.status.empty());
    EXPECT_EQ(control.status, program.status) << "the next result replaces \"offline\"";
    EXPECT_EQ(toggles, (std::vector<bool>{false, true}));
    EXPECT_EQ(program.history.count(), 3) << "never merged";
    EXPECT_EQ(lastLabel(), "Toggle auto refresh");
}

// White ink in the status box: the columns (from the box's left edge) that
// have text in rows top..bottom (from the box's top).
std::vector<int> inkColumns(const QImage& image, const QRect& box, int top, int bottom) {
    std::vector<int> columns;
    for (int x = 1; x < box.width() - 1; ++x)
        for (int y = top; y <= bottom; ++y)
            if (image.pixelColor(box.left() + x, box.top() + y).lightness() > 230) {
                columns.push_back(x);
                break;
            }
    return columns;
}

int inkOf(const QString& text, const QFont& font) {
    QImage image(300, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.setFont(font);
    painter.drawText(5, 30, text);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixelColor(x, y).lightness() > 230;
    return ink;
}

// The headline in bold, then each piece as a name and, after its ":", a
// value in a column of its own; a piece without ":" is all name.
TEST_F(TFcontrolTest, TheStatusBoxShowsABoldHeadlineAndNameValueLines) {
    control.showStatus("Headline;dc/c max:0.0342;alone");
    const QImage image = control.grab().toImage();
    const QRect box = control.statusRect;
    int headlineInk = 0;
    for (int y = 20; y < 38; ++y)
        for (int x = 1; x < box.width() - 1; ++x)
            headlineInk += image.pixelColor(box.left() + x, box.top() + y).lightness() > 230;
    EXPECT_GT(headlineInk, inkOf("Headline", uiFont(valuePixels)) * 11 / 10) << "bold";
    EXPECT_NEAR(headlineInk, inkOf("Headline", uiFont(valuePixels, true)), headlineInk / 5);

    const std::vector<int> first = inkColumns(image, box, 41, 49);
    ASSERT_FALSE(first.empty());
    EXPECT_GE(first.front(), 10);
    EXPECT_LE(first.front(), 12);
    const auto value = std::find_if(first.begin(), first.end(), [](int x) { return x >= 66; });
    ASSERT_NE(value, first.end());
    EXPECT_GE(*value, 70) << "the value starts in its column";
    EXPECT_LT(*(value - 1), 66) << "a gap between name and value";
    const std::vector<int> second = inkColumns(image, box, 55, 63);
    ASSERT_FALSE(second.empty());
    EXPECT_GE(second.front(), 10);
    EXPECT_LT(second.back(), 66);
}

TEST_F(TFcontrolTest, TheStatusBoxGrowsALineForTheDeviationWhileTheReferenceIsShown) {
    const QRect normal = control.statusRect;
    EXPECT_EQ(normal.height(), 85);
    program.kineticsView.referenceSolution = true;
    const std::string five = "ok;dc/c max:0.01;iterations:10;calc time:1 ms;deviation 0.84%";
    control.showStatus(five);
    EXPECT_EQ(control.statusRect, normal.adjusted(0, 0, 0, 14));
    EXPECT_EQ(control.status, five);
    const QImage with = control.grab().toImage();
    control.showStatus("ok;dc/c max:0.01;iterations:10;calc time:1 ms");
    // The fifth line's row differs: its text is drawn inside the box.
    const int row = control.statusRect.top() + 25 + 4 * 14 + 6;
    bool differs = false;
    const QImage without = control.grab().toImage();
    for (int x = control.statusRect.left() + 10; x < control.statusRect.left() + 60; ++x)
        differs |= with.pixelColor(x, row) != without.pixelColor(x, row);
    EXPECT_TRUE(differs);
    program.kineticsView.referenceSolution = false;
    control.showStatus("ok");
    EXPECT_EQ(control.statusRect, normal);
}

} // namespace
