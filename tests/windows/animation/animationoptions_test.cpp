#include "windows/animation/animationoptions.h"

#include "model/vreactor.h"
#include "session/animation.h"
#include "windows/windowtest.h"

TEST(AnimationOptions, DefaultsStepsAndTheirEnds) {
    Vreactor system;
    Animation a(system);
    const std::pair<AnimationField, const char*> defaults[] = {{moveFromField, "50%"},
                                                               {moveToField, "200%"},
                                                               {motionField, "Up & Down Exp"},
                                                               {periodField, "10 sec"}};
    for (const auto& [field, text] : defaults)
        EXPECT_EQ(fieldText(a, field), text);

    a.to = 1.4; // finer steps below 1.5
    std::vector<double> to{a.to};
    for (const bool up : {true, true, true, false, false}) {
        stepSetting(a, moveToField, up);
        to.push_back(a.to);
    }
    EXPECT_EQ(to, (std::vector<double>{1.4, 1.5, 2.0, 2.5, 2.0, 1.5}));

    // Far more presses than a range has steps end at its ends.
    const std::tuple<AnimationField, bool, const char*> ends[] = {
        {moveFromField, true, "100%"},        {moveFromField, false, "10%"},
        {moveToField, true, "1000%"},         {moveToField, false, "100%"},
        {motionField, true, "Up & Down Exp"}, {motionField, false, "Up"},
        {periodField, true, "90 sec"},        {periodField, false, "1 sec"},
    };
    for (const auto& [field, up, end] : ends) {
        for (int i = 0; i < 100; ++i)
            stepSetting(a, field, up);
        EXPECT_EQ(fieldText(a, field), end);
        EXPECT_FALSE(stepSetting(a, field, up)) << end;
    }
    a.period = std::numeric_limits<int>::max(); // from a file: no overflow
    EXPECT_FALSE(stepSetting(a, periodField, true));
}

TEST(AnimationOptions, PercentagesOfAnyMultiple) {
    EXPECT_EQ(percentText(0.30000000000000004), "30%");
    EXPECT_EQ(percentText(-0.001), "0%");
    EXPECT_STREQ(motionName(2), "Up & Down");
}
