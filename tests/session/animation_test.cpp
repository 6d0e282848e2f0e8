#include "session/animation.h"

#include "model/vreactor.h"
#include "support/manualtickclock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Records the parameter's value whenever the animation announces a step.
struct StepRecorder : EventReceiver {
    explicit StepRecorder(Animation& a) : animation(a) {}
    void receive(int event) override {
        events.push_back(event);
        if (event == animatedParameterChanged && animation.parameter)
            seen.push_back(*animation.parameter);
    }
    Animation& animation;
    std::vector<int> events;
    std::vector<double> seen;
};

class AnimationTest : public ::testing::Test {
protected:
    AnimationTest() : animation(system) {
        Vcomponent a("A", 2.0, 0);
        system.components.add(a);
        Vreaction r;
        r.rateConstant = 4;
        r.rateConstantBack = 8;
        system.reactions.add(r);
        registerReceiver(&recorder);
    }
    ~AnimationTest() override { eventRegistry().clear(); }

    ManualTickClock clock;
    Vreactor system;
    Animation animation;
    StepRecorder recorder{animation};
};

TEST_F(AnimationTest, UpAndDownReachesTheUpperEndAtHalfPeriod) {
    animation.motion = Animation::upAndDown;
    animation.setAnimated(&system.components[0].initialConcentration);
    ASSERT_TRUE(animation.isAnimating());
    const double expected[] = {1.0, 2.5, 4.0, 2.5, 1.0}; // from 50% to 200% of 2
    for (int i = 0; i < 5; ++i) {
        clock.now = i * 2500;
        animation.step();
        EXPECT_DOUBLE_EQ(recorder.seen.back(), expected[i]) << clock.now;
        EXPECT_EQ(system.components[0].initialConcentration, 2.0);
        EXPECT_FALSE(animation.inStep);
    }
}

TEST_F(AnimationTest, WaveformsAndTheirFallbacks) {
    animation.motion = Animation::upExp;
    EXPECT_DOUBLE_EQ(animation.valueAt(5, 3.0), 3.0); // geometric mean of 1.5 and 6
    animation.motion = Animation::down;
    EXPECT_DOUBLE_EQ(animation.valueAt(0, 1.0), 2.0);
    EXPECT_DOUBLE_EQ(animation.valueAt(7.5, 1.0), 0.875);
    animation.motion = Animation::upAndDownExp;
    EXPECT_DOUBLE_EQ(animation.valueAt(2.5, 0.0), 0.0); // set value 0: linear, stays 0
    animation.motion = Animation::up;
    animation.period = 0; // only from a file: counts as one second
    EXPECT_DOUBLE_EQ(animation.valueAt(0.5, 1.0), 1.25);
    animation.period = -4;
    EXPECT_TRUE(std::isfinite(animation.valueAt(1e9, 1.0)));
}

TEST_F(AnimationTest, MultiplesFromAFileKeepTheParameterInItsRange) {
    struct Case {
        double from, to, base, seconds, expected;
    };
    const Case cases[] = {
        {-3, 2, 1, 0, 0},                 // a negative multiple gives 0, not a negative value
        {-3, 2, 1, 5, 2},                 // the upper end is still reached
        {0.5, 1e300, 1e100, 2.5, 1e100},  // an overflowing product stops at 1e100
        {-1e300, 1e300, 3e99, 2.5, 3e99}, // from -inf to inf is no value: the set one stays
    };
    animation.motion = Animation::upAndDown;
    for (const Case& c : cases) {
        animation.from = c.from;
        animation.to = c.to;
        EXPECT_EQ(animation.valueAt(c.seconds, c.base), c.expected)
            << c.from << " to " << c.to << " of " << c.base << " at " << c.seconds;
    }
}

TEST_F(AnimationTest, SetAnimatedTogglesAndFindsInSearchOrder) {
    Vreaction& r = system.reactions[0];
    animation.setAnimated(&r.rateConstantBack);
    EXPECT_TRUE(r.animateBack);
    EXPECT_EQ(animation.parameter, nullptr); // the backward direction is inactive
    r.activeBack = true;
    animation.findParameter();
    EXPECT_EQ(animation.parameter, &r.rateConstantBack);

    animation.setAnimated(&r.rateConstant);
    EXPECT_TRUE(r.animate);
    EXPECT_FALSE(r.animateBack);
    EXPECT_EQ(animation.parameter, &r.rateConstant);

    recorder.events.clear();
    animation.setAnimated(&r.rateConstant); // again: stops
    EXPECT_FALSE(r.animate);
    EXPECT_FALSE(animation.isAnimating());
    EXPECT_EQ(recorder.events, (std::vector<int>{drawingChanged, animatedParameterChanged}));

    system.components[0].animate = true;
    r.animate = true;
    animation.receive(systemChanged);
    EXPECT_EQ(animation.parameter, &system.components[0].initialConcentration);
}

TEST_F(AnimationTest, SessionKeysAndRepairs) {
    animation.from = 0.25;
    animation.period = 30;
    animation.motion = Animation::down;
    ASSERT_TRUE(animation.save("animation", ""));
    Animation read(system);
    read.lines = animation.lines;
    ASSERT_TRUE(read.load("animation", ""));
    EXPECT_EQ(read.from, 0.25);
    EXPECT_EQ(read.to, 2.0);
    EXPECT_EQ(read.period, 30);
    EXPECT_EQ(read.motion, Animation::down);

    Animation hostile(system);
    hostile.lines.add("<animation>");
    hostile.lines.add("from=nan");
    hostile.lines.add("motion=77");
    hostile.lines.add("</animation>");
    ASSERT_TRUE(hostile.load("animation", ""));
    EXPECT_EQ(hostile.from, 0.5);
    EXPECT_EQ(hostile.motion, Animation::upAndDownExp);
}

} // namespace
