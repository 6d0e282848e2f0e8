#include "model/parameterlabels.h"

#include "support/testsystem.h"

#include <gtest/gtest.h>

TEST(ParameterLabels, RateConstantsNameTheDirectionAndTheScheme) {
    Vreactor system;
    addComponent(system, "A", 1);
    addComponent(system, "B", 1);
    addComponent(system, "C", 0);
    // Products first, a coefficient of two digits, an entry without component.
    addReaction(system, {{2, 12, 1}, {0, 1, -1}, {1, 2, -1}, {9, 1, 1}}, 1);
    Vreaction& r = system.reactions[0];
    struct Case {
        bool forward, backward, askBackward;
        const char* label;
    };
    const Case cases[] = {
        {true, false, false, "Rate constant of A + 2B -> 12C + "},
        {true, true, false, "Forward rate constant of A + 2B <-> 12C + "},
        {true, true, true, "Backward rate constant of A + 2B <-> 12C + "},
        {false, true, true, "Rate constant of A + 2B <- 12C + "},
        {false, false, false, "Rate constant of A + 2B - 12C + "},
    };
    for (const Case& k : cases) {
        r.active = k.forward;
        r.activeBack = k.backward;
        EXPECT_EQ(rateConstantLabel(system, 0, k.askBackward), k.label) << k.label;
    }
    EXPECT_EQ(rateConstantLabel(system, 1, false), "");
    EXPECT_EQ(initialConcentrationLabel("NaCl"), "Initial concentration of NaCl");
}
