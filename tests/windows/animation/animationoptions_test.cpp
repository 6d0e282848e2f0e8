#include "windows/animation/animationoptions.h"

#include "model/vreactor.h"
#include "session/animation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

TEST(AnimationOptions, DefaultsAsTheFieldsShowThem) {
    Vreactor system;
    const Animation animation(system);
    EXPECT_EQ(fieldText(animation, moveFromField), "50%");
    EXPECT_EQ(fieldText(animation, moveToField), "200%");
    EXPECT_EQ(fieldText(animation, motionField), "Up & Down Exp");
    EXPECT_EQ(fieldText(animation, periodField), "10 sec");
}

TEST(AnimationOptions, StepsAndTheirEnds) {
    Vreactor system;
    Animation a(system);
    const auto press = [&](AnimationField f, bool up, int n) {
        for (int i = 0; i < n; ++i)
            stepSetting(a, f, up);
    };
    a.to = 1.4;
    std::vector<double> to{a.to};
    for (int i = 0; i < 3; ++i, to.push_back(a.to))
        stepSetting(a, moveToField, true);
    for (int i = 0; i < 2; ++i, to.push_back(a.to))
        stepSetting(a, moveToField, false);
    EXPECT_EQ(to, (std::vector<double>{1.4, 1.5, 2.0, 2.5, 2.0, 1.5}));

    // Far more presses than a range has steps end at its ends.
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
        press(c.field, c.up, 100);
        EXPECT_EQ(fieldText(a, c.field), c.end);
        EXPECT_FALSE(stepSetting(a, c.field, c.up)) << c.end;
    }
    a.period = std::numeric_limits<int>::max(); // from a file: no overflow
    EXPECT_FALSE(stepSetting(a, periodField, true));
}

TEST(AnimationOptions, PercentagesOfAnyMultiple) {
    EXPECT_EQ(percentText(0.30000000000000004), "30%");
    EXPECT_EQ(percentText(-0.001), "0%");
    EXPECT_EQ(percentText(std::nan("")), "nan%");
    EXPECT_EQ(percentText(1e300).back(), '%'); // no integer conversion
    EXPECT_STREQ(motionName(2), "Up & Down");
    EXPECT_STREQ(motionName(6), "?");
}
