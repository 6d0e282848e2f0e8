#include "engine/reactor.h"

#include "engine/referenceeuler.h"
#include "support/recordingmessagesink.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
using Messages = std::vector<std::string>;

// A <=> B and 2A + K -> B with K constant, the second switched off from
// t = 1.25 to 2; the time step 0.25 is exact in binary, so that the switch
// times fall on steps. Every step compares exactly.
TEST(ReactorAdvance, MatchesTheRecurrenceWrittenOutByHand) {
    Vreactor v;
    addComponent(v, "A", 1);
    addComponent(v, "B", 0.5);
    addComponent(v, "K", 2, true);
    addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 0.4, true, 0.2, true);
    addSwitches(addReaction(v, {{0, 2, -1}, {2, 1, -1}, {1, 1, 1}}, 0.6).switches, {1.25, 2});
    Reactor r(&v);
    r.timeResolution = 0.25;
    r.init();
    std::vector<double> c = {1, 0.5, 2};
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

// Random systems of every shape the flat step distinguishes (groups of 1 to
// more than 4 changes, 0 to several factors, constants, shortcuts, switches,
// components on both sides, entries that resolve to nothing), stepped in
// batches of random size, against the literal step of the system; this also
// holds the compilation of the system into terms to it.
TEST(ReactorAdvance, MatchesTheLiteralStepOnRandomSystems) {
    RecordingMessageSink messages;
    std::mt19937 random(20240611);
    const auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int overflows = 0;
    for (int system = 0; system < 300; ++system) {
        Vreactor v;
        const int unique = 1 + pick(8);
        // Shortcuts among the components, so that list positions and unique
        // indices differ; some name a later component, some none.
        for (int i = 0; i < unique; ++i) {
            if (pick(3) == 0) addShortcut(v, "C" + std::to_string(pick(unique + 1)));
            addComponent(v, "C" + std::to_string(i), uniform(0, 2), pick(6) == 0);
        }
        for (int i = 1 + pick(10); i > 0; --i) {
            Vreaction& reaction =
                addReaction(v, {}, uniform(0, 30), pick(4) != 0, uniform(0, 30), pick(2) == 0);
            for (int e = pick(5); e > 0; --e) {
                Reactant entry;
                entry.index = pick(v.components.count() + 1);
                entry.order = pick(4);
                entry.port = pick(2) == 0 ? -1 : 1;
                reaction.reactants.add(entry);
            }
            if (pick(4) == 0) addSwitches(reaction.switches, {uniform(0, 0.3), uniform(0, 0.3)});
            if (pick(4) == 0) addSwitches(reaction.switchesBack, {uniform(0, 0.3)});
        }
        Reactor r(&v);
        r.timeResolution = 0.001;
        r.init();
        ReferenceEuler reference(v, 0.001);
        while (reference.stepCount < 300) {
            const int batch = 1 + pick(7);
            bool expected = true;
            for (int i = 0; i < batch && expected; ++i)
                expected = reference.step();
            ASSERT_EQ(r.advanceSteps(batch), expected) << "system " << system;
            ASSERT_EQ(r.concentrations, reference.c) << "system " << system;
            ASSERT_EQ(r.stepCount, reference.stepCount);
            ASSERT_EQ(r.maxRelativeChange, reference.maxRelativeChange);
            if (!expected) {
                ++overflows;
                break;
            }
        }
    }
    // The sample must exercise the overflow path as well as long runs.
    EXPECT_GT(overflows, 10);
    EXPECT_LT(overflows, 250);
}

TEST(ReactorInit, UnresolvedEntriesAreReportedAndLeftOut) {
    const std::string missing = "Reactor::init(): Reactant not found";
    const std::pair<int, Messages> cases[] = {
        {2, {"Unique index of component named 'X' not found!", missing}},
        {99, {missing}},
        {-1, {missing}}};
    for (const auto& [index, expected] : cases) {
        RecordingMessageSink sink;
        Vreactor v;
        addComponent(v, "A", 1);
        addComponent(v, "B", 0);
        addShortcut(v, "X"); // a shortcut without its component
        addReaction(v, {{0, 1, -1}, {index, 1, -1}, {1, 1, +1}}, 1);
        Reactor r(&v);
        r.init();
        EXPECT_EQ(sink.messages, expected);
        EXPECT_TRUE(r.advance());
        EXPECT_EQ(r.concentrations, (std::vector<double>{1 - 0.001, 0.001}));
    }
}

TEST(ReactorInit, BeyondTheLimitsFailsWithAllConcentrationsZero) {
    const std::function<void(Vreactor&)> cases[] = {
        [](Vreactor& v) {
            addReaction(v, {{0, 101, -1}}, 1);
        }, // 101 factors
        [](Vreactor& v) {
            for (int i = 1; i <= 100; ++i)
                addComponent(v, "C" + std::to_string(i), 1);
        },
        nullptr, // no system linked
    };
    for (const auto& build : cases) {
        RecordingMessageSink sink;
        Vreactor v;
        addComponent(v, "A", 1);
        if (build) build(v);
        Reactor r(build ? &v : nullptr);
        r.init();
        EXPECT_EQ(sink.messages, Messages{"Reactor::init() failed"});
        EXPECT_EQ(r.statusText(), "calculation overflow");
        for (double c : r.concentrations)
            EXPECT_EQ(c, 0);
        EXPECT_FALSE(r.advance());
    }
}

TEST(ReactorReaction, SwitchStateInvertsOnceForEveryTimeReached) {
    const struct {
        std::vector<double> times;
        double t;
        bool on;
    } cases[] = {{{}, 100, true},    {{5, 8}, 4.999, true}, {{5, 8}, 5, false}, {{5, 8}, 8, true},
                 {{8, 5}, 6, false}, {{5, 5}, 6, true},     {{nan}, 6, true}};
    for (const auto& c : cases) {
        ReactorReaction r;
        for (double at : c.times)
            r.switchTimes.add(at);
        r.on = !c.on;
        r.updateSwitchState(c.t);
        EXPECT_EQ(r.on, c.on) << "t = " << c.t;
    }
}

TEST(Reactor, StatusTextThresholds) {
    const struct {
        bool overflow;
        double change;
        const char* text;
    } cases[] = {{true, 0, "calculation overflow"},
                 {false, 0.1, "accuracy warning"},
                 {false, 0.1000001, "critical accuracy"},
                 {false, 0.0200001, "accuracy warning"},
                 {false, 0.02, "ok"}};
    for (const auto& c : cases) {
        Reactor r;
        r.overflow = c.overflow;
        r.maxRelativeChange = c.change;
        EXPECT_EQ(r.statusText(), c.text) << c.change;
    }
}

TEST(ReactorAdvance, AnOverflowClampsAndBlocksUntilTheNextInit) {
    Vreactor v;
    addComponent(v, "A", 1);
    addComponent(v, "B", 0);
    addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 1500); // k dt = 1.5 overshoots
    Reactor r(&v);
    r.init();
    EXPECT_FALSE(r.advance());
    EXPECT_EQ(r.concentrations, (std::vector<double>{0, 1.5}));
    EXPECT_EQ(r.stepCount, 0);
    EXPECT_FALSE(r.advance());
    EXPECT_EQ(r.concentrations, (std::vector<double>{0, 1.5}));
    r.init();
    EXPECT_FALSE(r.overflow);
    EXPECT_EQ(r.concentrations, (std::vector<double>{1, 0}));

    v.reactions[0].rateConstant = 1;
    r.init();
    r.stepCount = INT_MAX - 1; // the step count is the time: it must not wrap
    EXPECT_FALSE(r.advanceSteps(3));
    EXPECT_EQ(r.stepCount, INT_MAX);
}

// Values from a file can be anything; each of these must end in overflow, with
// every invalid concentration set to 0.
TEST(ReactorAdvance, InvalidNumbersEndInOverflow) {
    // initial A, initial of the constant K, rate constant
    const double cases[][3] = {{-1, 1, 1},  {nan, 1, 1}, {inf, 1, 1}, {1, -1, 1},
                               {1, nan, 1}, {1, 1, inf}, {1, 1, nan}, {1, 1, 1e308}};
    for (const auto& c : cases) {
        Vreactor v;
        addComponent(v, "A", c[0]);
        addComponent(v, "B", 0);
        addComponent(v, "K", c[1], true);
        addReaction(v, {{0, 1, -1}, {1, 1, 1}}, c[2]);
        Reactor r(&v);
        r.timeResolution = 10;
        r.init();
        EXPECT_FALSE(r.advance()) << c[0] << " " << c[1] << " " << c[2];
        EXPECT_TRUE(r.overflow);
        for (double x : r.concentrations)
            EXPECT_TRUE(x >= 0 && std::isfinite(x)) << x;
    }
}

} // namespace
