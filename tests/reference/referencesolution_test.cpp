#include "reference/referencesolution.h"

#include "session/reactorsession.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<double> evenTimes(double end, int points) {
    std::vector<double> times;
    for (int i = 0; i < points; ++i)
        times.push_back(end * i / (points - 1));
    return times;
}

struct ClosedForm {
    std::string name;
    std::function<void(Vreactor&)> build;
    double end;
    int points;
    // The exact concentration of component k at time t.
    std::function<double(int, double)> exact;
};

std::vector<ClosedForm> closedForms() {
    const double k = 0.7;
    const double kf = 2, kb = 0.5;
    return {
        {"first order A -> B",
         [=](Vreactor& v) {
             const int a = addComponent(v, "A", 2), b = addComponent(v, "B", 0);
             addReaction(v, {{a, 1, -1}, {b, 1, 1}}, k);
         },
         10, 201,
         [=](int c, double t) { return c == 0 ? 2 * std::exp(-k * t) : 2 - 2 * std::exp(-k * t); }},
        {"A + B -> C, unequal starts",
         [](Vreactor& v) {
             const int a = addComponent(v, "A", 1), b = addComponent(v, "B", 2),
                       c = addComponent(v, "C", 0);
             addReaction(v, {{a, 1, -1}, {b, 1, -1}, {c, 1, 1}}, 0.5);
         },
         8, 161,
         [](int c, double t) {
             // d[A]/dt = -k[A]([A] + 1): [A] = 1 / (2 e^(kt) - 1).
             const double a = 1 / (2 * std::exp(0.5 * t) - 1);
             return c == 0 ? a : c == 1 ? a + 1 : 1 - a;
         }},
        {"reversible A <=> B",
         [=](Vreactor& v) {
             const int a = addComponent(v, "A", 1), b = addComponent(v, "B", 0);
             addReaction(v, {{a, 1, -1}, {b, 1, 1}}, kf, true, kb, true);
         },
         5, 101,
         [=](int c, double t) {
             const double a = (kb + kf * std::exp(-(kf + kb) * t)) / (kf + kb);
             return c == 0 ? a : 1 - a;
         }},
        {"switched off at 2.5, on again at 4.2",
         [](Vreactor& v) {
             const int a = addComponent(v, "A", 1), b = addComponent(v, "B", 0);
             addSwitches(addReaction(v, {{a, 1, -1}, {b, 1, 1}}, 1).switches, {2.5, 4.2});
         },
         7, 8,
         [](int c, double t) {
             const double acting = std::min(t, 2.5) + std::max(0.0, t - 4.2);
             return c == 0 ? std::exp(-acting) : 1 - std::exp(-acting);
         }},
        {"constant component scales the rate only",
         [](Vreactor& v) {
             const int a = addComponent(v, "A", 1), e = addComponent(v, "E", 0.5, true);
             addReaction(v, {{a, 1, -1}, {e, 1, -1}, {e, 1, 1}}, 2);
         },
         4, 41, [](int c, double t) { return c == 0 ? std::exp(-t) : 0.5; }},
    };
}

TEST(ReferenceSolution, MatchesClosedFormsToOneInTenMillion) {
    for (const ClosedForm& form : closedForms()) {
        SCOPED_TRACE(form.name);
        Vreactor v;
        form.build(v);
        ReferenceSolution reference;
        reference.start(RateModel(v), evenTimes(form.end, form.points));
        ASSERT_TRUE(reference.run()) << reference.failure;
        ASSERT_EQ(reference.storedPoints, form.points);
        for (size_t c = 0; c < reference.values.size(); ++c)
            for (int i = 0; i < form.points; ++i) {
                const double t = reference.times[static_cast<size_t>(i)];
                const double exact = form.exact(static_cast<int>(c), t);
                EXPECT_NEAR(reference.values[c][static_cast<size_t>(i)], exact,
                            1e-7 * std::abs(exact) + 1e-15)
                    << "component " << c << " at t = " << t;
            }
    }
}

TEST(ReferenceSolution, RunsInPiecesToTheSameResult) {
    Vreactor v;
    const int a = addComponent(v, "A", 1), b = addComponent(v, "B", 0);
    addSwitches(addReaction(v, {{a, 1, -1}, {b, 1, 1}}, 3).switches, {1.5});
    ReferenceSolution whole, pieces;
    whole.start(RateModel(v), evenTimes(3, 31));
    pieces.start(RateModel(v), evenTimes(3, 31));
    ASSERT_TRUE(whole.run());
    int calls = 0;
    while (pieces.advance(2))
        ++calls;
    EXPECT_GT(calls, 3);
    EXPECT_FALSE(pieces.failed);
    EXPECT_EQ(pieces.values, whole.values);
    EXPECT_EQ(pieces.steps, whole.steps);
}

TEST(ReferenceSolution, ReportsStepLimitAndBlowUp) {
    Vreactor v;
    const int a = addComponent(v, "A", 1);
    // d[A]/dt = [A]^2 runs to infinity at t = 1.
    addReaction(v, {{a, 2, -1}, {a, 3, 1}}, 1);
    ReferenceSolution blowUp;
    blowUp.start(RateModel(v), evenTimes(2, 21));
    EXPECT_FALSE(blowUp.run());
    EXPECT_TRUE(blowUp.failure == "not finite" || blowUp.failure == "step size too small")
        << blowUp.failure;
    EXPECT_LT(blowUp.steps, 100000);
    EXPECT_LT(blowUp.storedPoints, 21);

    ReferenceSolution limited;
    limited.stepLimit = 3;
    limited.start(RateModel(v), evenTimes(0.9, 10));
    EXPECT_FALSE(limited.run());
    EXPECT_EQ(limited.failure, "step limit");
}

TEST(ReferenceSolution, StiffPresetsFinishWellWithinTheStepLimit) {
    for (const char* name :
         {"11 Radical chain reaction, H2 + Br2.vsn", "14 Oregonator oscillating reaction.vsn"}) {
        SCOPED_TRACE(name);
        ReactorSession session;
        ASSERT_TRUE(session.open(std::string(VELUMBRA_PRESETS) + "/" + name));
        ReferenceSolution reference;
        reference.start(RateModel(session.vReactor),
                        evenTimes(session.reactor.simulationTime, 2001));
        ASSERT_TRUE(reference.run()) << reference.failure;
        EXPECT_EQ(reference.storedPoints, 2001);
        // A non-stiff method would need millions of steps here.
        EXPECT_LT(reference.steps, ReferenceSolution::defaultStepLimit / 100);
    }
}

TEST(LargestDeviation, TakesTheWorstShownComponentRelativeToItsLargestValue) {
    Vreactor v;
    addComponent(v, "A", 1);
    addComponent(v, "B", 1);
    ReferenceSolution reference;
    reference.start(RateModel(v), {0, 1, 2});
    ASSERT_TRUE(reference.run());
    // Nothing reacts: the reference stays at 1.
    const std::vector<std::vector<double>> euler = {{1, 0.99, 1}, {1, 1.2, 1}};
    EXPECT_NEAR(largestDeviation(euler, 3, reference, {true, true}), 0.2, 1e-12);
    EXPECT_NEAR(largestDeviation(euler, 3, reference, {true, false}), 0.01, 1e-12);
    EXPECT_LT(largestDeviation(euler, 3, reference, {false, false}), 0);
    EXPECT_NEAR(largestDeviation(euler, 1, reference, {true, true}), 0, 1e-12);
}

} // namespace
