#include "engine/reactor.h"

#include "engine/referenceeuler.h"
#include "support/testsystem.h"
#include "support/recordingmessagesink.h"

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

struct ExpectedTerm {
    double rateFactor;
    std::vector<int> factors;
    std::vector<int> targets;
    std::vector<double> coefficients;
};

void expectTerms(const Reactor& r, const std::vector<ExpectedTerm>& expected) {
    ASSERT_EQ(r.reactions.count(), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        const ReactorReaction& t = r.reactions[static_cast<int>(i)];
        EXPECT_EQ(t.rateFactor, expected[i].rateFactor) << "term " << i;
        EXPECT_EQ(t.factors, expected[i].factors) << "term " << i;
        EXPECT_EQ(t.factorCount, static_cast<int>(expected[i].factors.size()));
        EXPECT_EQ(t.targets, expected[i].targets) << "term " << i;
        EXPECT_EQ(t.targetCount, static_cast<int>(expected[i].targets.size()));
        EXPECT_EQ(t.coefficients, expected[i].coefficients) << "term " << i;
    }
}

TEST(ReactorInit, OneTermPerActiveDirectionForwardFirst) {
    // A + 2 B <=> C, k = 3, k back = 5, time resolution 0.5.
    const ExpectedTerm forward{1.5, {0, 1, 1}, {0, 1, 2}, {-1, -2, 1}};
    const ExpectedTerm backward{2.5, {2}, {0, 1, 2}, {1, 2, -1}};
    struct Case {
        bool active, activeBack;
        std::vector<ExpectedTerm> terms;
    };
    for (const Case& c : std::vector<Case>{{true, false, {forward}},
                                           {false, true, {backward}},
                                           {true, true, {forward, backward}},
                                           {false, false, {}}}) {
        Vreactor v;
        const int a = addComponent(v, "A", 1), b = addComponent(v, "B", 2),
                  p = addComponent(v, "C", 0);
        addReaction(v, {{a, 1, -1}, {b, 2, -1}, {p, 1, +1}}, 3, c.active, 5, c.activeBack);
        Reactor r(&v);
        r.timeResolution = 0.5;
        r.init();
        SCOPED_TRACE(std::to_string(c.active) + std::to_string(c.activeBack));
        expectTerms(r, c.terms);
        EXPECT_EQ(r.concentrations, (std::vector<double>{1, 2, 0}));
        EXPECT_FALSE(r.overflow);
    }
}

TEST(ReactorInit, ShortcutsResolveAndConstantsAreNeverTargets) {
    Vreactor v;
    addComponent(v, "A", 1);
    addComponent(v, "B", 2, true);
    const int shortcutA = addShortcut(v, "A");
    const int c = addComponent(v, "C", 0);
    // A (through its shortcut) + B -> C, plus an entry of order 0 that only counts as a target.
    addReaction(v, {{shortcutA, 1, -1}, {1, 1, -1}, {c, 1, +1}, {0, 0, +1}}, 2);
    Reactor r(&v);
    r.init();
    expectTerms(r, {{2 * 0.001, {0, 1}, {0, 2, 0}, {-1, 1, 0}}});
    EXPECT_EQ(r.componentCount, 3);
}

TEST(ReactorInit, UnresolvedReactantsAreReportedAndLeftOut) {
    struct Case {
        int index;
        std::vector<std::string> messages;
    };
    for (const Case& c : std::vector<Case>{{2,
                                            {"Unique index of component named 'X' not found!",
                                             "Reactor::init(): Reactant not found"}},
                                           {99, {"Reactor::init(): Reactant not found"}},
                                           {-1, {"Reactor::init(): Reactant not found"}}}) {
        RecordingMessageSink sink;
        Vreactor v;
        addComponent(v, "A", 1);
        addComponent(v, "B", 0);
        addShortcut(v, "X"); // a shortcut without its component
        addReaction(v, {{0, 1, -1}, {c.index, 1, -1}, {1, 1, +1}}, 1);
        Reactor r(&v);
        r.init();
        EXPECT_EQ(sink.messages, c.messages);
        expectTerms(r, {{0.001, {0}, {0, 1}, {-1, 1}}});
        EXPECT_TRUE(r.advance());
        EXPECT_EQ(r.concentrations[1], 1 * (0.001 * 1.0));
    }
}

TEST(ReactorInit, BeyondTheLimitsFailsWithAllConcentrationsZero) {
    const std::vector<std::pair<std::string, std::function<void(Vreactor&)>>> cases = {
        {"101 factors",
         [](Vreactor& v) {
             addReaction(v, {{0, 101, -1}}, 1);
         }},
        {"101 components",
         [](Vreactor& v) {
             for (int i = 1; i <= 100; ++i)
                 addComponent(v, "C" + std::to_string(i), 1);
         }},
    };
    for (const auto& [name, build] : cases) {
        SCOPED_TRACE(name);
        RecordingMessageSink sink;
        Vreactor v;
        addComponent(v, "A", 1);
        build(v);
        Reactor r(&v);
        r.init();
        EXPECT_EQ(sink.messages, std::vector<std::string>{"Reactor::init() failed"});
        EXPECT_TRUE(r.overflow);
        EXPECT_EQ(r.statusText(), "calculation overflow");
        for (double c : r.concentrations)
            EXPECT_EQ(c, 0);
        EXPECT_FALSE(r.advance());
    }
    RecordingMessageSink sink;
    Reactor unlinked;
    unlinked.init();
    EXPECT_TRUE(unlinked.overflow);
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Reactor::init() failed"});
}

TEST(ReactorReaction, SwitchStateCountsTheTimesReached) {
    struct Case {
        std::vector<double> times;
        double t;
        bool on;
    };
    for (const Case& c : std::vector<Case>{{{}, 100, true},
                                           {{5, 8}, 0, true},
                                           {{5, 8}, 4.999, true},
                                           {{5, 8}, 5, false},
                                           {{5, 8}, 7.999, false},
                                           {{5, 8}, 8, true},
                                           {{8, 5}, 6, false},
                                           {{5, 5}, 6, true},
                                           {{nan}, 6, true}}) {
        ReactorReaction r;
        for (double at : c.times)
            r.switchTimes.add(at);
        r.on = !c.on;
        r.updateSwitchState(c.t);
        EXPECT_EQ(r.on, c.on) << "t = " << c.t;
    }
}

TEST(Reactor, StatusTextThresholds) {
    struct Case {
        bool overflow;
        double change;
        const char* text;
    };
    for (const Case& c : std::vector<Case>{{true, 0, "calculation overflow"},
                                           {false, 0.05, "accuracy warning"},
                                           {false, 0.1, "accuracy warning"},
                                           {false, 0.1000001, "critical accuracy"},
                                           {false, 0.02, "ok"},
                                           {false, 0, "ok"}}) {
        Reactor r;
        r.overflow = c.overflow;
        r.maxRelativeChange = c.change;
        EXPECT_EQ(r.statusText(), c.text) << c.change;
    }
}

// Each system against its recurrence written out by hand; every step compares exactly.
TEST(ReactorAdvance, MatchesTheHandWrittenRecurrence) {
    struct Case {
        std::string name;
        double timeResolution;
        std::function<void(Vreactor&)> build;
        std::vector<double> initial;
        std::function<void(std::vector<double>&, int)> step; // (concentrations, step index)
    };
    const std::vector<Case> cases = {
        {"first-order decay",
         0.01,
         [](Vreactor& v) {
             addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 2);
         },
         {1, 0},
         [](std::vector<double>& c, int) {
             const double rate = (2 * 0.01) * c[0];
             c[0] += -1 * rate;
             c[1] += 1 * rate;
         }},
        {"reversible pair",
         0.01,
         [](Vreactor& v) {
             addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 3, true, 1, true);
         },
         {1, 0.5},
         [](std::vector<double>& c, int) {
             const double forward = (3 * 0.01) * c[0], backward = (1 * 0.01) * c[1];
             c[0] += -1 * forward;
             c[1] += 1 * forward;
             c[0] += 1 * backward;
             c[1] += -1 * backward;
         }},
        {"A + A",
         0.01,
         [](Vreactor& v) {
             addReaction(v, {{0, 2, -1}, {1, 1, 1}}, 5);
         },
         {1, 0},
         [](std::vector<double>& c, int) {
             const double rate = ((5 * 0.01) * c[0]) * c[0];
             c[0] += -2 * rate;
             c[1] += 1 * rate;
         }},
        {"constant component",
         0.01,
         [](Vreactor& v) {
             v.components[0].constant = true;
             addReaction(v, {{0, 1, -1}, {1, 1, -1}, {2, 1, 1}}, 4);
         },
         {2, 1, 0},
         [](std::vector<double>& c, int) {
             const double rate = ((4 * 0.01) * c[0]) * c[1];
             c[1] += -1 * rate;
             c[2] += 1 * rate;
         }},
        {"switches at 5 and 8",
         1,
         [](Vreactor& v) {
             addSwitches(addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 0.1).switches, {5, 8});
         },
         {1, 0},
         [](std::vector<double>& c, int n) {
             if (n >= 5 && n < 8) return; // the step starting at t = n
             const double rate = (0.1 * 1.0) * c[0];
             c[0] += -1 * rate;
             c[1] += 1 * rate;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Vreactor v;
        for (size_t i = 0; i < c.initial.size(); ++i)
            addComponent(v, "C" + std::to_string(i), c.initial[i]);
        c.build(v);
        Reactor r(&v);
        r.timeResolution = c.timeResolution;
        r.init();
        std::vector<double> expected = c.initial;
        for (int n = 0; n < 20; ++n) {
            ASSERT_TRUE(r.advance());
            c.step(expected, n);
            ASSERT_EQ(r.concentrations, expected) << "after step " << n + 1;
        }
        EXPECT_EQ(r.stepCount, 20);
        EXPECT_EQ(r.concentrations[0] == c.initial[0], c.name == "constant component");
    }
}

TEST(ReactorAdvance, NegativeResultClampsAndBlocksUntilInit) {
    Vreactor v;
    addComponent(v, "A", 1);
    addComponent(v, "B", 0);
    addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 1500); // k dt = 1.5 overshoots
    Reactor r(&v);
    r.init();
    EXPECT_FALSE(r.advance());
    EXPECT_TRUE(r.overflow);
    EXPECT_EQ(r.concentrations, (std::vector<double>{0, 1.5}));
    EXPECT_EQ(r.stepCount, 0);
    EXPECT_EQ(r.statusText(), "calculation overflow");
    EXPECT_FALSE(r.advance());
    EXPECT_EQ(r.concentrations, (std::vector<double>{0, 1.5}));
    r.init();
    EXPECT_FALSE(r.overflow);
    EXPECT_EQ(r.concentrations, (std::vector<double>{1, 0}));
}

// Values from a file can be anything; each of these must end in overflow, with
// every invalid concentration set to 0.
TEST(ReactorAdvance, InvalidNumbersEndInOverflow) {
    struct Case {
        std::string name;
        double initialA, initialConstant, k;
    };
    for (const Case& c : std::vector<Case>{{"negative initial", -1, 1, 1},
                                           {"not-a-number initial", nan, 1, 1},
                                           {"infinite initial", inf, 1, 1},
                                           {"negative constant", 1, -1, 1},
                                           {"not-a-number constant", 1, nan, 1},
                                           {"infinite rate constant", 1, 1, inf},
                                           {"not-a-number rate constant", 1, 1, nan},
                                           {"rate beyond the double range", 1, 1, 1e308}}) {
        SCOPED_TRACE(c.name);
        Vreactor v;
        addComponent(v, "A", c.initialA);
        addComponent(v, "B", 0);
        addComponent(v, "K", c.initialConstant, true);
        addReaction(v, {{0, 1, -1}, {1, 1, 1}}, c.k);
        Reactor r(&v);
        r.timeResolution = 10;
        r.init();
        EXPECT_FALSE(r.advance());
        EXPECT_TRUE(r.overflow);
        for (double x : r.concentrations)
            EXPECT_TRUE(x >= 0 && std::isfinite(x)) << x;
    }
}

TEST(ReactorAdvance, StepCountNeverWraps) {
    Vreactor v;
    addComponent(v, "A", 1);
    Reactor r(&v);
    r.init();
    r.stepCount = INT_MAX - 1;
    EXPECT_FALSE(r.advanceSteps(3));
    EXPECT_EQ(r.stepCount, INT_MAX);
    EXPECT_TRUE(r.overflow);
}

TEST(Reactor, SettingsRoundTripAndAssignmentKeepsTheLink) {
    Reactor written;
    written.timeResolution = 0.25;
    written.simulationTime = 40;
    ASSERT_TRUE(written.save("reactor", ""));
    EXPECT_EQ(written.lines[1], "     time resolution=0.25");
    EXPECT_EQ(written.lines[2], "     simulation time=40");

    Vreactor v;
    Reactor live(&v), stored;
    stored.lines = written.lines;
    ASSERT_TRUE(stored.load("reactor", ""));
    live = stored;
    EXPECT_EQ(live.system.get(), &v);
    EXPECT_EQ(live.timeResolution, 0.25);
    EXPECT_EQ(live.simulationTime, 40);
    const Reactor copy(live);
    EXPECT_EQ(copy.system.get(), &v);
}

// Random systems of every shape the flat step distinguishes (groups of 1 to
// more than 4 changes, 0 to several factors, constants, shortcuts, switches,
// components on both sides), stepped in batches of random size, against the
// literal term-by-term step.
TEST(ReactorAdvance, MatchesTheLiteralStepOnRandomSystems) {
    std::mt19937 random(20240611);
    const auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int overflows = 0;
    for (int system = 0; system < 300; ++system) {
        Vreactor v;
        const int unique = 1 + pick(8);
        for (int i = 0; i < unique; ++i)
            addComponent(v, "C" + std::to_string(i), uniform(0, 2), pick(6) == 0);
        for (int i = pick(3); i > 0; --i)
            addShortcut(v, "C" + std::to_string(pick(unique)));
        for (int i = 1 + pick(10); i > 0; --i) {
            Vreaction& reaction =
                addReaction(v, {}, uniform(0, 30), pick(4) != 0, uniform(0, 30), pick(2) == 0);
            for (int e = pick(5); e > 0; --e) {
                Reactant entry;
                entry.index = pick(v.components.count());
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
        ReferenceEuler reference(r);
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

} // namespace
