#include "engine/reactor.h"

#include "support/recordingmessagesink.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
using Values = std::vector<double>;

// The explicit Euler step written out literally from the reaction system,
// sharing no code with the reactor: per reaction the forward direction, then
// the backward one, each a mass-action term over the entries in their order,
// applied to the concentrations at the start of the step. The tests hold the
// reactor to it bit for bit.
struct ReferenceEuler {
    ReferenceEuler(const Vreactor& system, double dt) : v(system), timeResolution(dt) {
        for (const Vcomponent& x : v.components)
            if (!x.shortcut) c.push_back(x.initialConcentration);
    }

    // The unique index of the component an entry refers to, or -1.
    int resolved(const Reactant& e) const {
        if (e.index < 0 || e.index >= v.components.count()) return -1;
        for (int i = 0, u = 0; i < v.components.count(); ++i) {
            if (v.components[i].shortcut) continue;
            if (v.components[i].name == v.components[e.index].name) return u;
            ++u;
        }
        return -1;
    }

    // False once a concentration turned invalid (then set to 0).
    bool step() {
        if (overflow) return false;
        const std::vector<double> start = c;
        const double t = stepCount * timeResolution;
        for (const Vreaction& r : v.reactions)
            for (int direction : {1, -1}) {
                if (!(direction > 0 ? r.active : r.activeBack)) continue;
                bool on = true;
                for (const ReactionSwitch& s : direction > 0 ? r.switches : r.switchesBack)
                    on = s.at <= t ? !on : on;
                if (!on) continue;
                double rate =
                    (direction > 0 ? r.rateConstant : r.rateConstantBack) * timeResolution;
                for (const Reactant& e : r.reactants)
                    for (int k = 0; e.port == -direction && k < e.order && resolved(e) >= 0; ++k)
                        rate *= start[resolved(e)];
                for (const Reactant& e : r.reactants) {
                    const int u = resolved(e);
                    if (u < 0 || v.uniqueComponent(u).constant) continue;
                    const double change = double(e.order) * e.port * direction * rate;
                    c[u] += change;
                    if (stepCount % 10 == 0 && change < 0 && c[u] > 1e-100 &&
                        -change / c[u] > maxRelativeChange)
                        maxRelativeChange = -change / c[u];
                }
            }
        for (double& x : c)
            if (!(x >= 0) || std::isinf(x)) {
                x = 0;
                overflow = true;
            }
        if (overflow) return false;
        ++stepCount;
        return true;
    }

    const Vreactor& v;
    double timeResolution;
    std::vector<double> c;
    int stepCount = 0;
    double maxRelativeChange = 0;
    bool overflow = false;
};

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

// Random systems of every shape the flat step distinguishes (groups of 1 to
// more than 4 changes, 0 to several factors, constants, shortcuts, switches,
// components on both sides, entries that resolve to nothing), stepped in
// batches of random size, against the literal step of the system; this also
// holds the compilation of the system into terms to it.
TEST(ReactorAdvance, MatchesTheLiteralStepOnRandomSystems) {
    RecordingMessageSink messages;
    std::mt19937 random(20240611);
    const auto uniform = [&](double hi) {
        return std::uniform_real_distribution<double>(0, hi)(random);
    };
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int overflows = 0;
    for (int system = 0; system < 300; ++system) {
        Vreactor v;
        // Shortcuts among the components, so that list positions and unique
        // indices differ; some name a later component, some none.
        for (int i = 0, unique = 1 + pick(8); i < unique; ++i) {
            if (pick(3) == 0) addShortcut(v, "C" + std::to_string(pick(unique + 1)));
            addComponent(v, "C" + std::to_string(i), uniform(2), pick(6) == 0);
        }
        for (int i = 1 + pick(10); i > 0; --i) {
            Vreaction& reaction =
                addReaction(v, {}, uniform(30), pick(4) != 0, uniform(30), pick(2) == 0);
            for (int e = pick(5); e > 0; --e) {
                const int index = pick(v.components.count() + 1), order = pick(4);
                reaction.reactants.add(reactantOf(index, order, pick(2) == 0 ? -1 : 1));
            }
            if (pick(4) == 0) addSwitches(reaction.switches, {uniform(0.3), uniform(0.3)});
            if (pick(4) == 0) addSwitches(reaction.switchesBack, {uniform(0.3)});
        }
        Reactor r(&v);
        r.timeResolution = 0.001;
        r.init();
        ReferenceEuler reference(v, 0.001);
        for (bool expected = true; expected && reference.stepCount < 300;) {
            const int batch = 1 + pick(7);
            for (int i = 0; i < batch && expected; ++i)
                expected = reference.step();
            ASSERT_EQ(r.advanceSteps(batch), expected) << "system " << system;
            ASSERT_EQ(r.concentrations, reference.c) << "system " << system;
            ASSERT_EQ(r.stepCount, reference.stepCount);
            ASSERT_EQ(r.maxRelativeChange, reference.maxRelativeChange);
            overflows += !expected;
        }
    }
    // The sample must exercise the overflow path as well as long runs.
    EXPECT_GT(overflows, 10);
    EXPECT_LT(overflows, 250);
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

} // namespace
