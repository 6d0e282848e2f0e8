#include "session/animation.h"

#include "model/vreactor.h"
#include "support/lines.h"
#include "support/manualtickclock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Records the events, and the parameter's value whenever the animation
// announces a step.
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
        system.components.add(Vcomponent("A", 2.0, 0));
        system.reactions.add(Vreaction());
        registerReceiver(&recorder);
    }
    ~AnimationTest() override { eventRegistry().clear(); }

    ManualTickClock clock;
    Vreactor system;
    Animation animation;
    StepRecorder recorder{animation};
};

TEST_F(AnimationTest, WaveformsAndTheirFallbacks) {
    const struct {
        int motion, period;
        double seconds, base, expected;
    } cases[] = {{Animation::upExp, 10, 5, 3, 3}, // the geometric mean of 1.5 and 6
                 {Animation::down, 10, 0, 1, 2},
                 {Animation::down, 10, 7.5, 1, 0.875},
                 {Animation::upAndDownExp, 10, 2.5, 0, 0}, // set value 0: linear, stays 0
                 {Animation::up, 0, 0.5, 1, 1.25}};        // a period of 0 counts as one second
    for (const auto& c : cases) {
        animation.motion = c.motion;
        animation.period = c.period;
        EXPECT_DOUBLE_EQ(animation.valueAt(c.seconds, c.base), c.expected) << c.motion;
    }
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

TEST_F(AnimationTest, FollowsTheComponentsWhenAShortcutMovesThem) {
    animation.setAnimated(&system.components[0].initialConcentration);
    // Enough shortcuts to move the list's storage, each announced as a
    // change of the drawing only.
    registerReceiver(&animation);
    for (int i = 0; i < 40; ++i)
        system.createShortcut(0);
    EXPECT_EQ(animation.parameter, &system.components[0].initialConcentration);
    recorder.seen.clear();
    clock.now = 0;
    animation.step();
    EXPECT_EQ(recorder.seen, (std::vector<double>{1.0}));
}

} // namespace
