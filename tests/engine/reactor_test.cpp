#include "engine/reactor.h"

#include "support/recordingmessagesink.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
using Values = std::vector<double>;

// A <=> B and 2A + K -> B with K constant, the second switched off from
// t = 1.25 to 2 by unsorted times, with a NaN that never counts and a time
// given twice that cancels out; the time step 0.25 is exact in binary, so that
// the switch times fall on steps. Every step compares exactly.
TEST(ReactorAdvance, MatchesTheRecurrenceWrittenOutByHand) {
    Vreactor v;
    addComponent(v, "A", 1);
    addComponent(v, "B", 0.5);
    addComponent(v, "K", 2, true);
    addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 0.4, true, 0.2, true);
    addSwitches(addReaction(v, {{0, 2, -1}, {2, 1, -1}, {1, 1, 1}}, 0.6).switches,
                {2, nan, 1.25, 4, 4});
    Reactor r(&v);
    r.timeResolution = 0.25;
    r.init();
    Values c = {1, 0.5, 2};
    for (int n = 0; n < 20; ++n) {
        const double forward = (0.4 * 0.25) * c[0], backward = (0.2 * 0.25) * c[1];
        const double second = (((0.6 * 0.25) * c[0]) * c[0]) * c[2];
        c[0] += -1 * forward;
        c[1] += 1 * forward;
        c[0] += 1 * backward;
        c[1] += -1 * backward;
        if (n < 5 || n >= 8) { // the step starting at t = n / 4
            c[0] += -2 * second;
            c[1] += 1 * second;
        }
        ASSERT_TRUE(r.advance());
        ASSERT_EQ(r.concentrations, c) << "after step " << n + 1;
    }
}

// Values from a file can be anything: each case fails in its first step with
// every invalid concentration set to 0, and no step follows until the next init.
TEST(ReactorAdvance, InvalidValuesOverflowAndBlockUntilTheNextInit) {
    // initial A, initial of the constant K, rate constant, order of A; the time step is 10
    const double cases[][4] = {{1, 1, 0.125, 1}, {-1, 1, 1, 1},  {nan, 1, 1, 1}, {inf, 1, 1, 1},
                               {1, -1, 1, 1},    {1, nan, 1, 1}, {1, 1, inf, 1}, {1, 1, nan, 1},
                               {1, 1, 1e308, 1}, {1, 1, 1, 101}}; // 101 factors: refused by init
    RecordingMessageSink messages;
    for (const auto& c : cases) {
        Vreactor v;
        addComponent(v, "A", c[0]);
        addComponent(v, "B", 0);
        addComponent(v, "K", c[1], true);
        addReaction(v, {{0, int(c[3]), -1}, {1, 1, 1}}, c[2]);
        Reactor r(&v);
        r.timeResolution = 10;
        r.init();
        EXPECT_FALSE(r.advance()) << c[0] << " " << c[1] << " " << c[2];
        EXPECT_FALSE(r.advance());
        EXPECT_EQ(r.stepCount, 0);
        EXPECT_EQ(r.statusText(), "calculation overflow");
        for (double x : r.concentrations)
            EXPECT_TRUE(x >= 0 && std::isfinite(x)) << x;
        EXPECT_EQ(r.concentrations == Values(3), c[3] > 100); // init failed: all 0
        if (c[2] != 0.125) continue;
        EXPECT_EQ(r.concentrations, (Values{0, 1.25, 1})); // k dt = 1.25 overshoots
        r.init();
        EXPECT_FALSE(r.overflow);
        EXPECT_EQ(r.concentrations, (Values{1, 0, 1}));
        v.reactions[0].rateConstant = 0;
        r.init();
        r.stepCount = INT_MAX - 1; // the step count is the time: it must not wrap
        EXPECT_FALSE(r.advanceSteps(3));
        EXPECT_EQ(r.stepCount, INT_MAX);
    }
    Reactor unlinked;
    unlinked.init();
    EXPECT_FALSE(unlinked.advance());
}

// An entry pointing nowhere is skipped with its message; a term beyond the
// limits fails the whole init with its own.
TEST(ReactorInit, MessagesOfAnUnknownReactantAndOfAFailedInit) {
    RecordingMessageSink messages;
    Vreactor v;
    addComponent(v, "A", 1);
    addComponent(v, "B", 0);
    addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 1);
    v.reactions[0].reactants[1].index = 7;
    Reactor r(&v);
    r.timeResolution = 0.5;
    r.init();
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Reactor::init(): Reactant not found"});
    ASSERT_TRUE(r.advance());
    EXPECT_EQ(r.concentrations, (Values{0.5, 0}));

    messages.messages.clear();
    v.reactions[0].reactants[1].index = 1;
    v.reactions[0].reactants[0].order = 101;
    r.init();
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Reactor::init() failed"});
    EXPECT_TRUE(r.overflow);
    EXPECT_EQ(r.concentrations, (Values{0, 0}));
}

} // namespace
