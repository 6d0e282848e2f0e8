#include "windows/animation/tfanimation.h"

#include "foundation/numberformat.h"
#include "session/program.h"
#include "support/manualtickclock.h"
#include "support/recordingmessagesink.h"
#include "support/recordingundo.h"
#include "support/testsystem.h"
#include "windows/animation/animationwindoweventreceiver.h"
#include "windows/common/colour.h"
#include "windows/common/windowlook.h"
#include "windows/windowtest.h"

namespace {

// The window on a program without other windows, its receiver where the
// program puts it: A + 2B <-> C (k = 1, back 0.5), C -> D (k = 3), A = 1,
// B = 2.
class AnimationWindowTest : public ::testing::Test {
protected:
    AnimationWindowTest()
        : program(""), window(program.vReactor, program.animation, undo), receiver(window) {
        Vreactor& v = program.vReactor;
        for (const char* name : {"A", "B", "C", "D"})
            addComponent(v, name, name[0] == 'A' ? 1 : name[0] == 'B' ? 2 : 0);
        addReaction(v, {{0, 1, -1}, {1, 2, -1}, {2, 1, 1}}, 1, true, 0.5, true);
        addReaction(v, {{2, 1, -1}, {3, 1, 1}}, 3);
        program.registerReceivers(nullptr, &receiver, nullptr);
        window.show();
        broadcast(sessionReplaced);
    }

    void click(QPoint p) { QTest::mouseClick(&window, Qt::LeftButton, {}, p); }
    void plus(AnimationField f) { click(window.rects.fields[f].plus.center()); }
    void minus(AnimationField f) { click(window.rects.fields[f].minus.center()); }
    void play() { click(window.rects.play.center()); }
    void choose(int index) { window.CBpar->setCurrentIndex(index); }
    QColor indicator() const {
        return window.image().pixelColor(window.rects.play.topLeft() + QPoint(3, 20));
    }
    Vreaction& reaction(int i) { return program.vReactor.reactions[i]; }

    ManualTickClock clock;
    RecordingMessageSink messages;
    Program program;
    RecordingUndo undo;
    TFanimation window;
    AnimationWindowEventReceiver receiver;
};

} // namespace

TEST_F(AnimationWindowTest, ListAndSelectionRules) {
    // The value stands 7 pixels after its label; the switch 15 above the bottom.
    EXPECT_EQ(window.valueArea().left(), window.Lvalue->geometry().right() + 1 + 7);
    EXPECT_EQ(window.rects.play, QRect(452, 50, 90, 41));
    ASSERT_EQ(window.CBpar->count(), 7);
    choose(4); // "Initial concentration of B"
    EXPECT_EQ(window.valueText, formatNumber(2));
    // Reordered reactions: the remembered label finds its entry again; the
    // animated parameter wins.
    program.vReactor.exchangeReactions(0, 1);
    broadcast(systemChanged);
    EXPECT_EQ(window.CBpar->currentText(), QStringLiteral("Initial concentration of B"));
    program.animation.setAnimated(&reaction(0).rateConstant);
    broadcast(systemChanged);
    EXPECT_EQ(window.CBpar->currentText(), QStringLiteral("Rate constant of C -> D"));

    program.vReactor.deleteAll();
    EXPECT_FALSE(window.CBpar->isEnabled());
    EXPECT_EQ(window.valueText, "");
    play(); // nothing to animate
    EXPECT_TRUE(undo.labels.empty());
}

TEST_F(AnimationWindowTest, OptionClicksLeaveOneMergedLevel) {
    plus(moveToField);
    minus(moveFromField);
    plus(motionField); // already the last waveform: no change, no level
    plus(periodField);
    EXPECT_EQ(std::pair(program.animation.to, program.animation.period), std::pair(2.5, 15));
    EXPECT_DOUBLE_EQ(program.animation.from, 0.4);
    EXPECT_EQ(undo.labels, Labels(3, "Change parameter animation options"));
    EXPECT_EQ(undo.merged, 3);
}

TEST_F(AnimationWindowTest, UpAndDownReachesItsUpperEndAtHalfThePeriod) {
    program.animation.motion = Animation::upAndDown;
    play(); // k = 1, from 0.5 to 2, period 10 s
    const std::int64_t times[] = {0, 2500, 5000, 7500, 10000};
    const double values[] = {0.5, 1.25, 2.0, 1.25, 0.5};
    std::vector<double> ends;
    for (int i = 0; i < 5; ++i) {
        clock.now = times[i];
        program.animation.step();
        // Shown and computed with the step's value; then the set value is back.
        EXPECT_EQ(window.valueText, formatNumber(values[i])) << times[i];
        EXPECT_EQ(reaction(0).rateConstant, 1.0);
        const Llist<double>& a = program.calculation.kinetics[0].values; // new each run
        ends.push_back(a[a.last()]);
    }
    EXPECT_TRUE(ends[2] < ends[1] && ends[1] < ends[0]);
    EXPECT_EQ(ends[4], ends[0]);
}

TEST_F(AnimationWindowTest, DeletedOrDeactivatedAnimatedObjectStops) {
    choose(2);
    play();
    program.vReactor.setMode(1, 3); // C -> D inactive
    EXPECT_FALSE(program.animation.isAnimating());
    EXPECT_EQ(window.CBpar->count(), 6);
    EXPECT_EQ(indicator(), scaleColour(windowColour, indicatorOffShade));
    choose(2); // A
    play();
    program.vReactor.deleteComponent(0);
    EXPECT_FALSE(program.animation.isAnimating());
    EXPECT_EQ(window.CBpar->currentText(), QStringLiteral("Forward rate constant of 2B <-> C"));
}
