#include "windows/wobs/tfwobs.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "support/recordingmessagesink.h"
#include "support/recordingundo.h"
#include "support/scriptedasker.h"
#include "support/testsystem.h"
#include "windows/windowtest.h"
#include "windows/wobs/wobslook.h"

#include <QFontInfo>

namespace {

// The window on a program without other windows: A (3) -> B (4), k = 0.1,
// a shortcut of A and C (0); weights 1, 2, 1.
class WobsWindowTest : public ::testing::Test {
protected:
    WobsWindowTest() : program(""), window(program.vReactor, program.weightedObservation, undo) {
        Vreactor& v = program.vReactor;
        addComponent(v, "A", 3);
        addComponent(v, "B", 4);
        addShortcut(v, "A");
        addComponent(v, "C", 0);
        v.components[1].weight = 2;
        addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 0.1);
        broadcast(sessionReplaced);
        window.setValueAsker(asker);
        window.show();
    }

    QString line(int i) const { return window.LBweights->item(i)->text(); }
    void clickLine(int i) {
        QListWidget* list = window.LBweights;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(i)).center());
    }
    void click(QPoint p) { QTest::mouseClick(&window, Qt::LeftButton, {}, p); }
    double first() const { return program.weightedObservation.values[0]; }
    double weight(int i) const { return program.vReactor.components[i].weight; }

    RecordingMessageSink messages;
    Program program;
    RecordingUndo undo;
    ScriptedAsker asker;
    TFwObs window;
};

} // namespace

TEST_F(WobsWindowTest, SizesTextsAndLayout) {
    EXPECT_EQ(window.size(), QSize(401, 321));
    EXPECT_TRUE(QFontInfo(window.LBweights->font()).fixedPitch());
    // The top row's texts fit and do not run into each other.
    const QRect label = window.LglobalFactor->geometry();
    EXPECT_GE(label.width(), window.LglobalFactor->sizeHint().width());
    EXPECT_LT(label.right(), globalFactorRect.left());
    EXPECT_LT(window.CBdifferential->geometry().right(), label.left());
    // (401 - 16) / 2 - 2 = 190 wide, 24 high, the top 38 above the bottom.
    EXPECT_EQ(window.zeroRect.united(window.oneRect), QRect(8, 283, 384, 24));
    EXPECT_EQ(window.oneRect.left(), 202);
    // The heading stands over the weights (the list indents its text).
    const int column = window.LBweights->x() + window.LBweights->viewport()->x() +
                       QFontMetrics(window.LBweights->font()).horizontalAdvance(line(0).left(41));
    EXPECT_NEAR(window.Lweight->x(), column + 3, 4);
    EXPECT_EQ(window.LBweights->count(), 2 + 1); // no shortcut
    EXPECT_EQ(line(1), QString("B").leftJustified(40) + " " + formatNumber(2).c_str());
}

TEST_F(WobsWindowTest, CheckBoxesRecordAndRecomputeButNotWhileFilling) {
    window.CBactive->click();
    EXPECT_EQ(first(), 11.0); // 1 * 3 + 2 * 4
    window.CBdifferential->click();
    EXPECT_NEAR(first(), 0.3, 1e-3); // the sum rises by k * A at first
    program.weightedObservation.active = false;
    window.fill();
    EXPECT_FALSE(window.CBactive->isChecked());
    EXPECT_TRUE(program.weightedObservation.differential);
    EXPECT_EQ(undo.labels,
              (Labels{"Activate/deactivate weighted observation", "Changed weighted observation"}));
    EXPECT_EQ(undo.merged, 0);
}

TEST_F(WobsWindowTest, WeightAndGlobalFactorDialogs) {
    window.CBactive->click();
    std::vector<double> live;
    asker.whileOpen = [&] { live.push_back(first()); };
    asker.numbers = {0.5};
    clickLine(1); // B
    EXPECT_EQ(weight(1), 0.5);
    EXPECT_EQ(live, (std::vector<double>{5.0})); // followed at once: 3 + 0.5 * 4
    EXPECT_EQ(line(1), QString("B").leftJustified(40) + " " + formatNumber(0.5).c_str());
    clickLine(2);         // cancelled
    window.editWeight(7); // no such line
    asker.numbers = {-0.5};
    click(globalFactorRect.center());
    EXPECT_EQ(first(), -2.5); // mirrored
    ASSERT_EQ(asker.calls.size(), 3u);
    EXPECT_EQ(asker.calls[0], (AskCall{"number", "Weight", 0, 1e100, 0, -1, true}));
    EXPECT_EQ(asker.calls[2], (AskCall{"number", "Global factor", -1e100, 1e100, 0, -1, true}));
    EXPECT_EQ(undo.labels, (Labels{"Activate/deactivate weighted observation", "Change weight",
                                   "Change weighted obs. global factor"}));
}

TEST_F(WobsWindowTest, SetAllButtons) {
    window.CBactive->click();
    click(window.zeroRect.center());
    EXPECT_EQ(std::tuple(weight(1), weight(3), first()), std::tuple(0.0, 0.0, 0.0));
    click(window.oneRect.center());
    EXPECT_EQ(first(), 7);
    EXPECT_EQ(line(2), QString("C").leftJustified(40) + " " + formatNumber(1).c_str());
    EXPECT_EQ(undo.labels, (Labels{"Activate/deactivate weighted observation", "Set weights to 0",
                                   "Set weights to 1"}));

    // Without auto refresh the curve stays.
    program.kineticsView.autoRefresh = false;
    click(window.zeroRect.center());
    EXPECT_EQ(first(), 7);
}
