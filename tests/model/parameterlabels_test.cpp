#include "model/parameterlabels.h"

#include "support/testsystem.h"

#include <gtest/gtest.h>

TEST(ParameterLabels, RateConstantsNameTheDirectionAndTheScheme) {
    Vreactor system;
    const int a = addComponent(system, "A", 1);
    const int b = addComponent(system, "B", 1);
    const int c = addComponent(system, "C", 0);
    addReaction(system, {{a, 1, -1}, {b, 2, -1}, {c, 1, 1}}, 1);
    Vreaction& r = system.reactions[0];

    struct Case {
        bool forward, backward, askBackward;
        const char* label;
    };
    const Case cases[] = {
        {true, false, false, "Rate constant of A + 2B -> C"},
        {true, true, false, "Forward rate constant of A + 2B <-> C"},
        {true, true, true, "Backward rate constant of A + 2B <-> C"},
        {false, true, true, "Rate constant of A + 2B <- C"},
        {false, false, false, "Rate constant of A + 2B - C"},
    };
    for (const Case& k : cases) {
        r.active = k.forward;
        r.activeBack = k.backward;
        EXPECT_EQ(rateConstantLabel(system, 0, k.askBackward), k.label) << k.label;
    }
}

TEST(ParameterLabels, SidesKeepTheEntryOrderAndCoefficientsAboveNine) {
    Vreactor system;
    const int x = addComponent(system, "X", 1);
    const int y = addComponent(system, "Y", 1);
    // Products listed before reactants, a coefficient of two digits.
    addReaction(system, {{y, 12, 1}, {x, 1, -1}, {y, 1, -1}}, 1);
    EXPECT_EQ(rateConstantLabel(system, 0, false), "Rate constant of X + Y -> 12Y");
}

TEST(ParameterLabels, NoSuchReactionOrComponentGivesNoText) {
    Vreactor system;
    EXPECT_EQ(rateConstantLabel(system, 0, false), "");
    addComponent(system, "A", 1);
    addReaction(system, {{0, 1, -1}, {7, 1, 1}}, 1); // entry 7 lost its component
    EXPECT_EQ(rateConstantLabel(system, -1, false), "");
    EXPECT_EQ(rateConstantLabel(system, 1, false), "");
    EXPECT_EQ(rateConstantLabel(system, 0, false), "Rate constant of A -> ");
}

TEST(ParameterLabels, InitialConcentration) {
    EXPECT_EQ(initialConcentrationLabel("NaCl"), "Initial concentration of NaCl");
}
