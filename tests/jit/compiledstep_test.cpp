#include "jit/compiledstep.h"

#include "engine/reactor.h"
#include "session/reactorsession.h"
#include "support/recordingmessagesink.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// Two reactors on one system: the machine code and the reactor's own step.
struct Pair {
    explicit Pair(Vreactor& v, double dt) : compiled(&v), reference(&v) {
        compiled.timeResolution = reference.timeResolution = dt;
        reference.compiledStepAllowed = false;
        compiled.init();
        reference.init();
    }

    // Both advance `count` steps; everything the step leaves behind must agree.
    void advance(int count, const std::string& where) {
        const bool expected = reference.advanceSteps(count);
        ASSERT_EQ(compiled.advanceSteps(count), expected) << where;
        ASSERT_EQ(compiled.concentrations.size(), reference.concentrations.size());
        for (size_t i = 0; i < reference.concentrations.size(); ++i)
            ASSERT_EQ(std::bit_cast<std::uint64_t>(compiled.concentrations[i]),
                      std::bit_cast<std::uint64_t>(reference.concentrations[i]))
                << where << ", component " << i << ": " << compiled.concentrations[i]
                << " != " << reference.concentrations[i];
        ASSERT_EQ(compiled.stepCount, reference.stepCount) << where;
        ASSERT_EQ(compiled.accuracyCheckCounter, reference.accuracyCheckCounter) << where;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(compiled.maxRelativeChange),
                  std::bit_cast<std::uint64_t>(reference.maxRelativeChange))
            << where;
        ASSERT_EQ(compiled.overflow, reference.overflow) << where;
        for (int t = 0; t < reference.reactions.count(); ++t)
            ASSERT_EQ(compiled.reactions[t].on, reference.reactions[t].on) << where;
    }

    Reactor compiled, reference;
};

// Random systems of every shape: orders 0 to 4 on both sides, components on
// both sides of one reaction, constants, shortcuts, entries that resolve to
// nothing, switches that fall on steps, rate constants from harmless to
// overflowing in a given step, sizes up to the limits (so that components and
// rates leave the registers), batches of steps of random length crossing the
// accuracy measurement, and values set from outside between batches.
TEST(CompiledStep, MatchesTheReactorsOwnStepOnRandomSystems) {
    if (!CompiledStep::available()) GTEST_SKIP() << "built without the code generator";
    RecordingMessageSink messages;
    std::mt19937 random(20261206);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto uniform = [&](double hi) {
        return std::uniform_real_distribution<double>(0, hi)(random);
    };
    // Scales of the rate constants: several reach the accuracy thresholds
    // near 0.02 and 0.1, the last ones overflow.
    const double scales[] = {0, 1e-3, 0.5, 5, 20, 100, 2e3, 1e6, 1e200, inf};
    int overflows = 0, measured = 0, compiled = 0;
    for (int system = 0; system < 2500; ++system) {
        Vreactor v;
        const int size = pick(10) == 0 ? 30 + pick(71) : 1 + pick(12);
        for (int i = 0; i < size; ++i) {
            if (pick(8) == 0) addShortcut(v, "C" + std::to_string(pick(size + 1)));
            const double initial[] = {uniform(2), 0, 1e-101, 1e300, uniform(1e-3)};
            addComponent(v, "C" + std::to_string(i), initial[pick(pick(10) == 0 ? 5 : 2)],
                         pick(6) == 0);
        }
        const int reactions = size > 20 ? std::min(100, size + pick(40)) : 1 + pick(12);
        for (int i = 0; i < reactions; ++i) {
            const double scale = scales[pick(pick(4) == 0 ? 10 : 6)];
            Vreaction& reaction = addReaction(v, {}, uniform(scale), pick(5) != 0,
                                              uniform(scales[pick(6)]), pick(2) == 0);
            for (int e = 1 + pick(4); e > 0; --e)
                reaction.reactants.add(reactantOf(pick(v.components.count() + 1),
                                                  pick(6) == 0 ? 0 : 1 + pick(pick(3) == 0 ? 4 : 1),
                                                  pick(2) == 0 ? -1 : 1));
            if (pick(5) == 0) addSwitches(reaction.switches, {0.001 * pick(40), 0.001 * pick(80)});
            if (pick(6) == 0) addSwitches(reaction.switchesBack, {0.001 * pick(60)});
        }
        Pair pair(v, 0.001);
        compiled += pair.compiled.compiledStepInUse();
        const std::string where = "system " + std::to_string(system);
        for (int batch = 0; batch < 12 && !pair.reference.overflow; ++batch) {
            if (pick(40) == 0 && !pair.reference.concentrations.empty()) {
                // A value from outside, possibly invalid, on a changed or a constant component.
                const double value[] = {0.5, -1, nan, inf};
                const auto i = static_cast<size_t>(pick(size));
                pair.compiled.concentrations[i] = pair.reference.concentrations[i] = value[pick(4)];
            }
            pair.advance(pick(4) == 0 ? 0 : 1 + pick(pick(3) == 0 ? 40 : 9), where);
            if (HasFatalFailure()) return;
        }
        overflows += pair.reference.overflow;
        measured += pair.reference.maxRelativeChange > 0.02;
    }
    EXPECT_EQ(compiled, 2500);
    // The sample must reach the overflow and the accuracy verdicts as well as long runs.
    EXPECT_GT(overflows, 200);
    EXPECT_LT(overflows, 1500);
    EXPECT_GT(measured, 200);
}

// Every preset, stepped as a default calculation samples it, agrees at every
// sample; the sessions come from the committed files.
TEST(CompiledStep, MatchesTheReactorsOwnStepOnEveryPreset) {
    if (!CompiledStep::available()) GTEST_SKIP() << "built without the code generator";
    RecordingMessageSink messages;
    int presets = 0;
    for (const auto& file : std::filesystem::directory_iterator(VELUMBRA_PRESETS)) {
        ReactorSession session;
        ASSERT_TRUE(session.open(file.path().string())) << file.path();
        Pair pair(session.vReactor, session.reactor.timeResolution);
        ASSERT_TRUE(pair.compiled.compiledStepInUse()) << file.path();
        const int steps =
            static_cast<int>(session.reactor.simulationTime / session.reactor.timeResolution + 0.5);
        const int stride = std::max(1, steps / 2000 + (steps % 2000 != 0));
        for (int done = 0; done < steps && !pair.reference.overflow; done += stride) {
            pair.advance(stride, file.path().filename().string());
            if (HasFatalFailure()) return;
        }
        EXPECT_FALSE(pair.reference.overflow) << file.path();
        ++presets;
    }
    EXPECT_GE(presets, 16);
}

// What the generator refuses or cannot have, the reactor does itself.
TEST(CompiledStep, DeclinedSystemsFallBackToTheReactorsOwnStep) {
    const int inside[] = {0}, outside[] = {2};
    const double one[] = {1};
    EXPECT_EQ(CompiledStep::compile(2, {{1, inside, 1, outside, one, 1, false}}), nullptr);
    EXPECT_EQ(CompiledStep::compile(2, {{1, outside, 1, inside, one, 1, false}}), nullptr);
    EXPECT_EQ(CompiledStep::compile(-1, {}), nullptr);
    // Far more changes per step than any drawn system of the limits makes.
    std::vector<int> targets(30000, 0);
    std::vector<double> coefficients(30000, -1);
    EXPECT_EQ(CompiledStep::compile(
                  1, {{1, inside, 1, targets.data(), coefficients.data(), 30000, false}}),
              nullptr);
    EXPECT_EQ(CompiledStep::compile(
                  1, {{1, inside, 1, targets.data(), coefficients.data(), 3, false}}) != nullptr,
              CompiledStep::available());
}

// Copies of a reactor share the code; it outlives the reactor that made it
// and a new init replaces it.
TEST(CompiledStep, CodeLivesAsLongAsAReactorUsesIt) {
    Vreactor v;
    addComponent(v, "A", 1);
    addComponent(v, "B", 0);
    addReaction(v, {{0, 1, -1}, {1, 1, 1}}, 1);
    auto first = std::make_unique<Reactor>(&v);
    first->init();
    Reactor copy = *first;
    first.reset();
    EXPECT_EQ(copy.compiledStepInUse(), CompiledStep::available());
    ASSERT_TRUE(copy.advanceSteps(1000));
    EXPECT_DOUBLE_EQ(copy.concentrations[0] + copy.concentrations[1], 1);
    v.reactions[0].rateConstant = 0;
    copy.init();
    ASSERT_TRUE(copy.advanceSteps(10));
    EXPECT_EQ(copy.concentrations, (std::vector<double>{1, 0}));
}

} // namespace
