#include "windows/animation/tfanimation.h"

#include "animationwindowfixture.h"
#include "foundation/numberformat.h"
#include "windows/animation/animationlook.h"
#include "windows/common/colour.h"
#include "windows/common/windowlook.h"

#include <QAbstractItemView>
#include <QLabel>

TEST_F(AnimationWindowTest, SizesCaptionsAndListLook) {
    EXPECT_EQ(window.size(), QSize(550, 106));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Parameter Animation"));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.Lparameter->text(), QStringLiteral("Parameter"));
    EXPECT_EQ(window.Lvalue->text(), QStringLiteral("Value"));
    EXPECT_EQ(window.CBpar->width(), 345);
    EXPECT_EQ(window.CBpar->maxVisibleItems(), 40);
    for (int i = 0; i < window.CBpar->count(); ++i)
        EXPECT_EQ(window.CBpar->itemData(i, Qt::SizeHintRole).toSize().height(), 16) << i;
    // The value is printed 7 pixels after the label, 21 pixels high, to the
    // frame at the right edge.
    const QRect value = window.valueArea();
    EXPECT_EQ(value.left(), window.Lvalue->geometry().right() + 1 + 7);
    EXPECT_EQ(value.height(), 21);
    EXPECT_EQ(value.right(), 548);
    EXPECT_EQ(window.image().pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(window.image().pixelColor(275, 1), scaleColour(windowColour, 1.18));
}

TEST_F(AnimationWindowTest, ListOffersActiveDirectionsThenComponents) {
    EXPECT_EQ(items(), (QStringList{
                           "Forward rate constant of A + 2B <-> C",
                           "Backward rate constant of A + 2B <-> C",
                           "Rate constant of C -> D",
                           "Initial concentration of A",
                           "Initial concentration of B",
                           "Initial concentration of C",
                           "Initial concentration of D",
                       }));
    EXPECT_TRUE(window.CBpar->isEnabled());
    EXPECT_EQ(window.CBpar->currentIndex(), 0);
    EXPECT_EQ(window.valueText, formatNumber(1));

    // Only backward: the word is plain "Rate" and the arrow points left.
    program.vReactor.setMode(0, 1);
    EXPECT_EQ(items().first(), QStringLiteral("Rate constant of A + 2B <- C"));
    EXPECT_EQ(window.valueText, formatNumber(0.5));
}

TEST_F(AnimationWindowTest, EmptySystemDisablesTheList) {
    program.vReactor.deleteAll();
    EXPECT_EQ(window.CBpar->count(), 0);
    EXPECT_FALSE(window.CBpar->isEnabled());
    EXPECT_EQ(window.valueText, "");
    play(); // nothing to animate
    EXPECT_FALSE(program.animation.isAnimating());
    EXPECT_TRUE(undo.labels.empty());
}

TEST_F(AnimationWindowTest, SelectionFollowsTheLabelThenTheAnimatedParameter) {
    choose(4); // "Initial concentration of B"
    EXPECT_EQ(window.selectedLabel, "Initial concentration of B");
    EXPECT_EQ(window.valueText, formatNumber(2));
    // A new reaction in front moves the entry; the label finds it again.
    addReaction(program.vReactor, {{3, 1, -1}, {0, 1, 1}}, 9);
    program.vReactor.exchangeReactions(0, 2);
    broadcast(systemChanged);
    EXPECT_EQ(window.CBpar->currentText(), QStringLiteral("Initial concentration of B"));
    EXPECT_EQ(window.CBpar->currentIndex(), 5);

    // The animated parameter wins over the remembered label.
    program.animation.setAnimated(&reaction(1).rateConstant); // C -> D, now second
    broadcast(systemChanged);
    EXPECT_EQ(window.CBpar->currentText(), QStringLiteral("Rate constant of C -> D"));
    EXPECT_EQ(window.selectedLabel, "Rate constant of C -> D");
}

TEST_F(AnimationWindowTest, PlusAndMinusChangeTheOptionsAsOneMergedLevel) {
    plus(moveToField);
    plus(moveToField);
    minus(moveFromField);
    plus(motionField); // already the last waveform: no change, no level
    minus(motionField);
    plus(periodField);
    EXPECT_EQ(program.animation.to, 3.0);
    EXPECT_DOUBLE_EQ(program.animation.from, 0.4);
    EXPECT_EQ(program.animation.motion, Animation::downExp);
    EXPECT_EQ(program.animation.period, 15);
    EXPECT_EQ(undo.labels, std::vector<std::string>(5, "Change parameter animation options"));
    EXPECT_EQ(undo.merged, 5);
    // The fields show the new values at once.
    EXPECT_EQ(fieldText(program.animation, moveToField), "300%");
    EXPECT_FALSE(program.animation.isAnimating());
}

TEST_F(AnimationWindowTest, OptionLevelsMergeInTheHistory) {
    // The same clicks recorded by the program leave one level.
    TFanimation recorded(program.vReactor, program.animation, program);
    recorded.show();
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(&recorded, Qt::LeftButton, {},
                          recorded.rects.fields[periodField].plus.center());
    EXPECT_EQ(program.history.count(), 1);
    EXPECT_EQ(program.history.label(0), "Change parameter animation options");
    EXPECT_EQ(program.animation.period, 25);
}

TEST_F(AnimationWindowTest, PlayTogglesTheSelectedParameter) {
    choose(2); // C -> D
    play();
    EXPECT_TRUE(reaction(1).animate);
    EXPECT_EQ(program.animation.animatedParameter(), &reaction(1).rateConstant);
    EXPECT_EQ(equationUpdates, 1);
    EXPECT_EQ(speedBarRepaints, 1);
    EXPECT_EQ(window.image().pixelColor(window.rects.play.topLeft() + QPoint(3, 20)),
              indicatorOnColour);

    log.events.clear();
    play();
    EXPECT_FALSE(reaction(1).animate);
    EXPECT_FALSE(program.animation.isAnimating());
    // Stopping recomputes the kinetics with the set values.
    EXPECT_EQ(log.events, (std::vector<int>{drawingChanged, animatedParameterChanged}));
    EXPECT_EQ(window.image().pixelColor(window.rects.play.topLeft() + QPoint(3, 20)),
              scaleColour(windowColour, indicatorOffShade));
    EXPECT_EQ(undo.labels, (std::vector<std::string>(2, "Toggle parameter animation")));
    EXPECT_EQ(undo.merged, 0);
    EXPECT_EQ(equationUpdates, 2);
    EXPECT_EQ(speedBarRepaints, 2);
}

TEST_F(AnimationWindowTest, ChoosingAnotherEntryMovesARunningAnimation) {
    choose(3); // not animating: only the value changes
    EXPECT_EQ(window.valueText, formatNumber(1));
    EXPECT_TRUE(undo.labels.empty());

    play(); // A
    choose(1);
    EXPECT_FALSE(component(0).animate);
    EXPECT_TRUE(reaction(0).animateBack);
    EXPECT_EQ(program.animation.animatedParameter(), &reaction(0).rateConstantBack);
    EXPECT_EQ(window.valueText, formatNumber(0.5));
    EXPECT_EQ(undo.labels, (std::vector<std::string>{"Toggle parameter animation",
                                                     "Change animated parameter"}));
    EXPECT_EQ(undo.merged, 0);
    EXPECT_EQ(equationUpdates, 2);
}

TEST_F(AnimationWindowTest, UpAndDownReachesItsUpperEndAtHalfThePeriod) {
    program.animation.motion = Animation::upAndDown;
    program.animation.period = 10;
    choose(0); // k = 1, from 0.5 to 2
    play();
    const auto finalA = [this] {
        const Llist<double>& a = program.calculation.kinetics[0].values;
        return a[a.last()];
    };
    struct Frame {
        std::int64_t ms;
        double k;
    };
    const Frame frames[] = {{0, 0.5}, {2500, 1.25}, {5000, 2.0}, {7500, 1.25}, {10000, 0.5}};
    std::vector<double> ends;
    for (const Frame& f : frames) {
        clock.now = f.ms;
        program.animation.step();
        // The display shows the value of the step; the kinetics were
        // computed with it; afterwards the set value is back.
        EXPECT_EQ(window.valueText, formatNumber(f.k)) << f.ms;
        EXPECT_EQ(reaction(0).rateConstant, 1.0);
        ends.push_back(finalA());
    }
    EXPECT_LT(ends[2], ends[1]);
    EXPECT_LT(ends[1], ends[0]);
    EXPECT_EQ(ends[0], ends[4]);
    EXPECT_EQ(ends[1], ends[3]);
}

TEST_F(AnimationWindowTest, DeletingOrDeactivatingTheAnimatedObjectStops) {
    choose(2); // C -> D
    play();
    program.vReactor.setMode(1, 3); // inactive
    EXPECT_FALSE(program.animation.isAnimating());
    EXPECT_FALSE(items().contains(QStringLiteral("Rate constant of C -> D")));
    EXPECT_EQ(window.image().pixelColor(window.rects.play.topLeft() + QPoint(3, 20)),
              scaleColour(windowColour, indicatorOffShade));

    choose(2); // A, now that C -> D offers nothing
    play();
    ASSERT_TRUE(component(0).animate);
    program.vReactor.deleteComponent(0);
    EXPECT_FALSE(program.animation.isAnimating());
    EXPECT_EQ(window.CBpar->currentText(), QStringLiteral("Forward rate constant of 2B <-> C"));
    program.animation.step(); // the idle loop's next turn does nothing
    EXPECT_EQ(window.valueText, formatNumber(1));
}

TEST_F(AnimationWindowTest, KeptEntriesSurviveAShortcutMovingTheComponents) {
    choose(4); // B
    for (int i = 0; i < 40; ++i)
        program.vReactor.createShortcut(1); // drawingChanged only
    play();
    EXPECT_TRUE(component(1).animate);
    EXPECT_EQ(program.animation.animatedParameter(), &component(1).initialConcentration);
    EXPECT_EQ(window.valueText, formatNumber(2));
}
