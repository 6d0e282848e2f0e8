#include "windows/control/tfcontrol.h"

#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "support/testsystem.h"
#include "windows/input/tfinputfield.h"
#include "windows/whenmodal.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct EventRecorder : EventReceiver {
    void receive(int event) override { events.push_back(event); }
    std::vector<int> events;
};

class TFcontrolTest : public ::testing::Test {
protected:
    TFcontrolTest() {
        program.newSession();
        program.registerReceivers(nullptr, nullptr, &recorder);
        program.statusDisplay = [this](const std::string& s) { control.showStatus(s); };
        control.show();
    }

    void click(const QRect& r) { QTest::mouseClick(&control, Qt::LeftButton, {}, r.center()); }
    std::string lastLabel() const { return program.history.label(program.history.current()); }

    TempDir dir;
    RecordingMessageSink messages;
    Program program{dir.path()};
    EventRecorder recorder;
    TFcontrol control{program};
};

TEST_F(TFcontrolTest, LayoutFollowsTheClientArea) {
    EXPECT_EQ(control.size(), QSize(201, 259));
    EXPECT_EQ(control.windowTitle(), "Simulation Control");
    EXPECT_EQ(control.simulationTimeRect, QRect(8, 16, 185, 41));
    EXPECT_EQ(control.simulationTimePlusRect, QRect(153, 16, 40, 20));
    EXPECT_EQ(control.simulationTimeMinusRect, QRect(153, 36, 40, 21));
    EXPECT_EQ(control.timeStepRect, QRect(8, 61, 185, 41));
    EXPECT_EQ(control.autoRefreshRect, QRect(59, 110, 82, 41));
    // 85 high, ending 16 pixels above the bottom.
    EXPECT_EQ(control.statusRect, QRect(8, 158, 185, 85));
}

TEST_F(TFcontrolTest, PlusAndMinusKeepTheTimeAboveTheStep) {
    Reactor& r = program.reactor;
    struct Case {
        double time, step;
        QRect TFcontrol::*button;
        double expectedTime, expectedStep;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        r.simulationTime = c.time;
        r.timeResolution = c.step;
        control.showStatus("");
        recorder.events.clear();
        click(control.*(c.button));
        EXPECT_EQ(r.simulationTime, c.expectedTime);
        EXPECT_EQ(r.timeResolution, c.expectedStep);
        const bool changed = c.time != c.expectedTime || c.step != c.expectedStep;
        EXPECT_EQ(recorder.events,
                  changed ? std::vector<int>{parametersChanged} : std::vector<int>{});
    }
}

TEST_F(TFcontrolTest, RepeatedChangesOfOneValueLeaveOneUndoLevel) {
    click(control.simulationTimePlusRect);
    click(control.simulationTimePlusRect);
    click(control.simulationTimeMinusRect);
    EXPECT_EQ(program.history.count(), 2);
    EXPECT_EQ(lastLabel(), "Change simulation time");
    click(control.timeStepPlusRect);
    click(control.simulationTimePlusRect);
    EXPECT_EQ(program.history.count(), 4);
    EXPECT_EQ(program.history.label(2), "Change time step");
    ASSERT_TRUE(program.undo());
    EXPECT_EQ(program.reactor.simulationTime, 20);
}

TEST_F(TFcontrolTest, AnAnimationKeepsTheKineticsCurrentItself) {
    const int a = addComponent(program.vReactor, "A", 1);
    program.animation.setAnimated(&program.vReactor.components[a].initialConcentration);
    ASSERT_TRUE(program.animation.isAnimating());
    recorder.events.clear();
    click(control.simulationTimePlusRect);
    EXPECT_EQ(program.reactor.simulationTime, 20);
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(lastLabel(), "Change simulation time");
}

TEST_F(TFcontrolTest, TheFieldOpensTheValueDialogWithItsBounds) {
    program.reactor.timeResolution = 0.01;
    double min = 0, max = 0;
    bool touchPad = false;
    QString title;
    whenModal<TFinputField>([&](TFinputField& d) {
        title = d.windowTitle();
        min = d.minValue;
        max = d.maxValue;
        touchPad = !d.sensor->isHidden() && d.logarithmic;
        d.Evalue->setText(QStringLiteral("30"));
        QTest::keyClick(d.Evalue, Qt::Key_Return);
    });
    recorder.events.clear();
    click(control.simulationTimeRect.adjusted(0, 0, -60, 0));
    EXPECT_EQ(title, "Simulation time");
    EXPECT_EQ(min, 0.01);
    EXPECT_EQ(max, 1e100);
    EXPECT_TRUE(touchPad);
    EXPECT_EQ(program.reactor.simulationTime, 30);
    EXPECT_EQ(recorder.events, std::vector<int>{parametersChanged}) << "live, from the dialog";
    EXPECT_EQ(lastLabel(), "Change simulation time");

    whenModal<TFinputField>([&](TFinputField& d) {
        title = d.windowTitle();
        min = d.minValue;
        max = d.maxValue;
        d.reject();
    });
    click(control.timeStepRect.adjusted(0, 0, -60, 0));
    EXPECT_EQ(title, "Time step");
    EXPECT_EQ(min, 1e-100);
    EXPECT_EQ(max, 30);
    EXPECT_EQ(program.history.count(), 2) << "a cancelled dialog records nothing";
}

TEST_F(TFcontrolTest, AutoRefreshOffShowsOfflineAndOnRecomputes) {
    std::vector<bool> toggles;
    QObject::connect(&control, &TFcontrol::autoRefreshToggled,
                     [&](bool on) { toggles.push_back(on); });
    recorder.events.clear();
    click(control.autoRefreshRect);
    EXPECT_FALSE(program.kineticsView.autoRefresh);
    EXPECT_EQ(control.status, "offline");
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(lastLabel(), "Toggle auto refresh");
    // The next result replaces "offline".
    program.status.clear();
    click(control.autoRefreshRect);
    EXPECT_TRUE(program.kineticsView.autoRefresh);
    EXPECT_EQ(recorder.events, std::vector<int>{systemChanged});
    EXPECT_FALSE(program.status.empty());
    EXPECT_EQ(control.status, program.status);
    EXPECT_EQ(toggles, (std::vector<bool>{false, true}));
    EXPECT_EQ(program.history.count(), 3) << "never merged";
}

TEST_F(TFcontrolTest, StatusTextsAreKeptAndShownInTheStatusBox) {
    const QImage before = control.grab().toImage();
    control.showStatus("ok;dc/c max:0.01;iterations:100");
    EXPECT_EQ(control.status, "ok;dc/c max:0.01;iterations:100");
    control.showStatus("");
    EXPECT_EQ(control.status, "ok;dc/c max:0.01;iterations:100") << "a full redraw keeps it";

    // Only the status box changed, and near-white text lies on the second and
    // third lines (name at 10, value at 70).
    const QImage after = control.grab().toImage();
    bool changedOutside = false;
    for (int y = 0; y < after.height(); y += 3)
        for (int x = 0; x < after.width(); x += 3)
            if (!control.statusRect.contains(x, y) && after.pixel(x, y) != before.pixel(x, y))
                changedOutside = true;
    EXPECT_FALSE(changedOutside);
    const auto whiteIn = [&](QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(after.pixel(x, y)) > 230) return true;
        return false;
    };
    const QPoint box = control.statusRect.topLeft();
    EXPECT_TRUE(whiteIn(QRect(box + QPoint(70, 39), QSize(40, 12))));
    EXPECT_TRUE(whiteIn(QRect(box + QPoint(70, 53), QSize(40, 12))));
    EXPECT_FALSE(whiteIn(QRect(box + QPoint(70, 67), QSize(40, 12))));
}

} // namespace
