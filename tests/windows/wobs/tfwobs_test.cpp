#include "windows/wobs/tfwobs.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/recordingundo.h"
#include "support/scriptedasker.h"
#include "support/testsystem.h"
#include "windows/common/colour.h"
#include "windows/common/windowlook.h"
#include "windows/wobs/wobslook.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The window on a program without other windows: A (3) -> B (4) with
// k = 0.1, a shortcut of A and a third component C (0); weights 1, 2, 1.
class WobsWindowTest : public ::testing::Test {
protected:
    struct Log : EventReceiver {
        void receive(int event) override { events.push_back(event); }
        int count(int event) const {
            int n = 0;
            for (int e : events)
                n += e == event;
            return n;
        }
        std::vector<int> events;
    };

    WobsWindowTest() : program(""), window(program.vReactor, program.weightedObservation, undo) {
        Vreactor& v = program.vReactor;
        addComponent(v, "A", 3);
        addComponent(v, "B", 4);
        addShortcut(v, "A");
        addComponent(v, "C", 0);
        v.components[1].weight = 2;
        addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 0.1);
        program.registerReceivers(nullptr, nullptr, &log);
        broadcast(sessionReplaced);
        window.setValueAsker(asker);
        window.show();
        log.events.clear();
    }

    QStringList lines() const {
        QStringList list;
        for (int i = 0; i < window.LBweights->count(); ++i)
            list << window.LBweights->item(i)->text();
        return list;
    }
    void clickLine(int i) {
        QListWidget* list = window.LBweights;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(i)).center());
    }
    void click(QPoint p) { QTest::mouseClick(&window, Qt::LeftButton, {}, p); }
    const WeightedObservation& observation() const { return program.weightedObservation; }
    double weight(int i) const { return program.vReactor.components[i].weight; }

    RecordingMessageSink messages;
    Program program;
    RecordingUndo undo;
    ScriptedAsker asker;
    TFwObs window;
    Log log;
};

QString line(const char* name, double weight) {
    return QString::fromLatin1(name).leftJustified(40) + " " +
           QString::fromStdString(formatNumber(weight));
}

} // namespace

TEST_F(WobsWindowTest, SizesTextsAndButtons) {
    EXPECT_EQ(window.size(), QSize(401, 321));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Weighted Observation"));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.CBactive->text(), QStringLiteral("Active"));
    EXPECT_EQ(window.CBdifferential->text(), QStringLiteral("Derivative function"));
    EXPECT_EQ(window.LglobalFactor->text(), QStringLiteral("Global factor"));
    EXPECT_EQ(window.Lcomponent->text(), QStringLiteral("Component"));
    EXPECT_EQ(window.Lweight->text(), QStringLiteral("Weight"));
    EXPECT_TRUE(QFontInfo(window.LBweights->font()).fixedPitch());
    // Side by side along the bottom: (401 - 16) / 2 - 2 = 190 wide, 24 high,
    // the top 38 above the bottom, 4 apart.
    EXPECT_EQ(window.zeroRect, QRect(8, 283, 190, 24));
    EXPECT_EQ(window.oneRect, QRect(202, 283, 190, 24));
    EXPECT_LE(window.LBweights->geometry().bottom(), window.zeroRect.top());
    // The weight heading stands over the weight column (the list indents its
    // text by a few pixels).
    const QRect first = window.LBweights->visualItemRect(window.LBweights->item(0));
    const int column = window.LBweights->x() + window.LBweights->viewport()->x() + first.x() +
                       QFontMetrics(window.LBweights->font())
                           .horizontalAdvance(window.LBweights->item(0)->text().left(41));
    EXPECT_NEAR(window.Lweight->x(), column + 3, 4);
    // The buttons are painted in the window colour and the frame is black.
    const QImage& image = window.image();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    const QColor middle = image.pixelColor(window.zeroRect.center());
    EXPECT_LE(std::abs(middle.red() - windowColour.red()), 3);
    EXPECT_LE(std::abs(middle.blue() - windowColour.blue()), 3);
}

TEST_F(WobsWindowTest, FillingListsUniqueComponentsAndIgnoresTheBoxes) {
    EXPECT_EQ(lines(), (QStringList{line("A", 1), line("B", 2), line("C", 1)}));
    program.weightedObservation.active = true;
    program.weightedObservation.differential = true;
    window.fill();
    EXPECT_TRUE(window.CBactive->isChecked());
    EXPECT_TRUE(window.CBdifferential->isChecked());
    EXPECT_FALSE(window.updating);
    EXPECT_TRUE(undo.labels.empty());
    EXPECT_TRUE(log.events.empty());
}

TEST_F(WobsWindowTest, CheckBoxesSwitchRecordAndRecompute) {
    window.CBactive->click();
    EXPECT_TRUE(observation().active);
    EXPECT_EQ(log.events, (std::vector<int>{weightedObservationChanged}));
    // 1 * A + 2 * B at the start: 3 + 8.
    ASSERT_GT(observation().values.count(), 1);
    EXPECT_EQ(observation().values[0], 11.0);
    window.CBdifferential->click();
    EXPECT_TRUE(observation().differential);
    // A -> B with weight 2 on B: the sum rises by k * A at first.
    EXPECT_NEAR(observation().values[0], 0.3, 1e-3);
    window.CBactive->click();
    EXPECT_FALSE(observation().active);
    EXPECT_EQ(undo.labels, (std::vector<std::string>{"Activate/deactivate weighted observation",
                                                     "Changed weighted observation",
                                                     "Activate/deactivate weighted observation"}));
    EXPECT_EQ(undo.merged, 0);
}

TEST_F(WobsWindowTest, WeightDialogOnALine) {
    window.CBactive->click();
    undo.labels.clear();
    log.events.clear();
    std::vector<double> live;
    asker.whileOpen = [&] { live.push_back(observation().values[0]); };
    asker.numbers = {0.5};
    clickLine(1); // B
    ASSERT_EQ(asker.calls.size(), 1u);
    const AskCall& call = asker.calls[0];
    EXPECT_EQ(call.title, "Weight");
    EXPECT_EQ(call.min, 0);
    EXPECT_EQ(call.max, 1e100);
    EXPECT_EQ(call.step, 0);
    EXPECT_EQ(call.law, -1);
    EXPECT_EQ(weight(1), 0.5);
    // The curve followed the dialog at once: 3 + 0.5 * 4.
    EXPECT_EQ(live, (std::vector<double>{5.0}));
    EXPECT_EQ(undo.labels, (std::vector<std::string>{"Change weight"}));
    EXPECT_EQ(lines()[1], line("B", 0.5));
    EXPECT_EQ(log.count(weightedObservationChanged), 2);

    clickLine(2); // cancelled: nothing recorded
    EXPECT_EQ(undo.labels.size(), 1u);
    EXPECT_EQ(asker.calls.size(), 2u);
    clickLine(0);
    asker.numbers = {1.0}; // accepted unchanged
    clickLine(0);
    EXPECT_EQ(undo.labels.size(), 1u);
}

TEST_F(WobsWindowTest, GlobalFactorAndTheTwoButtons) {
    window.CBactive->click();
    undo.labels.clear();
    asker.numbers = {-0.5};
    click(globalFactorRect.center());
    ASSERT_EQ(asker.calls.size(), 1u);
    EXPECT_EQ(asker.calls[0].title, "Global factor");
    EXPECT_EQ(asker.calls[0].min, -1e100);
    EXPECT_EQ(asker.calls[0].max, 1e100);
    EXPECT_EQ(observation().globalFactor, -0.5);
    EXPECT_EQ(observation().values[0], -5.5); // the curve mirrored

    click(window.zeroRect.center());
    EXPECT_EQ(weight(0), 0);
    EXPECT_EQ(weight(1), 0);
    EXPECT_EQ(weight(3), 0);
    EXPECT_EQ(observation().values[0], 0);
    click(window.oneRect.center());
    EXPECT_EQ(weight(1), 1);
    EXPECT_EQ(observation().values[0], -3.5);
    EXPECT_EQ(lines(), (QStringList{line("A", 1), line("B", 1), line("C", 1)}));
    EXPECT_EQ(undo.labels, (std::vector<std::string>{"Change weighted obs. global factor",
                                                     "Set weights to 0", "Set weights to 1"}));
    EXPECT_EQ(undo.merged, 0);
}

TEST_F(WobsWindowTest, WithoutAutoRefreshEditsDoNotRecompute) {
    program.kineticsView.autoRefresh = false;
    window.CBactive->click();
    EXPECT_TRUE(observation().values.empty());
    click(window.zeroRect.center());
    EXPECT_TRUE(observation().values.empty());
    EXPECT_EQ(undo.labels.size(), 2u);
}

TEST_F(WobsWindowTest, LongNamesAreCutInTheList) {
    program.vReactor.components[3].name = std::string(45, 'Z');
    window.fill();
    EXPECT_EQ(lines()[2], QString(37, 'Z') + "..." + " " + QString::fromStdString(formatNumber(1)));
}

TEST_F(WobsWindowTest, EditsReachTheUndoHistory) {
    TFwObs recorded(program.vReactor, program.weightedObservation, program);
    recorded.setValueAsker(asker);
    recorded.show();
    recorded.CBactive->click();
    asker.numbers = {3.0};
    recorded.editWeight(2);
    ASSERT_EQ(program.history.count(), 2);
    EXPECT_EQ(program.history.label(1), "Change weight");
    program.undo();
    EXPECT_EQ(program.vReactor.components[3].weight, 1);
    EXPECT_TRUE(program.weightedObservation.active);
    recorded.editWeight(7); // no such line
    EXPECT_EQ(asker.calls.size(), 1u);
}
