#include "windows/animation/animationoptions.h"

#include "model/vreactor.h"
#include "session/animation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

class AnimationOptionsTest : public ::testing::Test {
protected:
    AnimationOptionsTest() : animation(system) {}

    // Presses a button repeatedly and collects the field's values.
    template <typename Get>
    std::vector<decltype(std::declval<Get>()())> presses(AnimationField field, bool up, int n,
                                                         Get get) {
        std::vector<decltype(get())> seen{get()};
        for (int i = 0; i < n; ++i) {
            stepSetting(animation, field, up);
            seen.push_back(get());
        }
        return seen;
    }

    Vreactor system;
    Animation animation;
};

} // namespace

TEST_F(AnimationOptionsTest, DefaultsAsTheFieldsShowThem) {
    EXPECT_EQ(fieldText(animation, moveFromField), "50%");
    EXPECT_EQ(fieldText(animation, moveToField), "200%");
    EXPECT_EQ(fieldText(animation, motionField), "Up & Down Exp");
    EXPECT_EQ(fieldText(animation, periodField), "10 sec");
    EXPECT_STREQ(fieldTitle(moveFromField), "Move from");
    EXPECT_STREQ(fieldTitle(moveToField), "Move to");
    EXPECT_STREQ(fieldTitle(motionField), "Motion");
    EXPECT_STREQ(fieldTitle(periodField), "Period");
}

TEST_F(AnimationOptionsTest, MotionNamesInOrder) {
    const char* names[] = {"Up", "Down", "Up & Down", "Up Exp", "Down Exp", "Up & Down Exp"};
    for (int m = 0; m < 6; ++m)
        EXPECT_STREQ(motionName(m), names[m]) << m;
    EXPECT_STREQ(motionName(-1), "?");
    EXPECT_STREQ(motionName(6), "?");
}

TEST_F(AnimationOptionsTest, MoveToStepsFinerBelowOneAndAHalf) {
    animation.to = 1.4;
    const auto get = [this] { return animation.to; };
    EXPECT_EQ(presses(moveToField, true, 3, get), (std::vector<double>{1.4, 1.5, 2.0, 2.5}));
    animation.to = 2.0;
    EXPECT_EQ(presses(moveToField, false, 2, get), (std::vector<double>{2.0, 1.5, 1.4}));
}

TEST_F(AnimationOptionsTest, EveryFieldStopsAtItsEnds) {
    // Pressing far more often than the range has steps; the last values are
    // the ends, shown as the window shows them.
    struct Case {
        AnimationField field;
        bool up;
        const char* end;
    };
    const Case cases[] = {
        {moveFromField, true, "100%"},        {moveFromField, false, "10%"},
        {moveToField, true, "1000%"},         {moveToField, false, "100%"},
        {motionField, true, "Up & Down Exp"}, {motionField, false, "Up"},
        {periodField, true, "90 sec"},        {periodField, false, "1 sec"},
    };
    for (const Case& c : cases) {
        Animation fresh(system);
        int changes = 0;
        for (int i = 0; i < 200; ++i)
            changes += stepSetting(fresh, c.field, c.up);
        EXPECT_EQ(fieldText(fresh, c.field), c.end) << c.end;
        EXPECT_FALSE(stepSetting(fresh, c.field, c.up)) << c.end;
        EXPECT_LT(changes, 200) << c.end;
    }
    // From the defaults: 0.5 to 1.0 in five steps, 2.0 to 10.0 in sixteen.
    Animation fresh(system);
    int changes = 0;
    while (stepSetting(fresh, moveToField, true))
        ++changes;
    EXPECT_EQ(changes, 16);
    EXPECT_NEAR(fresh.to, 10.0, 1e-9);
}

TEST_F(AnimationOptionsTest, PeriodStepsOfOneUpToTenThenFive) {
    animation.period = 8;
    const auto get = [this] { return animation.period; };
    EXPECT_EQ(presses(periodField, true, 4, get), (std::vector<int>{8, 9, 10, 15, 20}));
    EXPECT_EQ(presses(periodField, false, 4, get), (std::vector<int>{20, 15, 10, 9, 8}));
    animation.period = 88; // only a file gives this
    EXPECT_EQ(presses(periodField, true, 2, get), (std::vector<int>{88, 93, 93}));
    animation.period = std::numeric_limits<int>::min();
    EXPECT_FALSE(stepSetting(animation, periodField, false));
    animation.period = std::numeric_limits<int>::max();
    EXPECT_FALSE(stepSetting(animation, periodField, true));
}

TEST_F(AnimationOptionsTest, MotionWalksThroughTheWaveforms) {
    animation.motion = 0;
    const auto get = [this] { return animation.motion; };
    EXPECT_EQ(presses(motionField, true, 6, get), (std::vector<int>{0, 1, 2, 3, 4, 5, 5}));
}

TEST_F(AnimationOptionsTest, PercentagesOfAnyMultiple) {
    struct Case {
        double multiple;
        const char* text;
    };
    const Case cases[] = {
        {0.5, "50%"},       {0.30000000000000004, "30%"},
        {1.004999, "100%"}, {0.005, "1%"},
        {-0.001, "0%"},     {-0.5, "-50%"},
        {0.0, "0%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(percentText(c.multiple), c.text) << c.multiple;
    // Beyond any whole percentage: a number, never an integer conversion.
    EXPECT_EQ(percentText(1e300).back(), '%');
    EXPECT_EQ(percentText(std::nan("")), "nan%");
    EXPECT_EQ(percentText(-std::numeric_limits<double>::infinity()), "-inf%");
}
