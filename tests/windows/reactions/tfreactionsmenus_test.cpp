#include "reactionwindowfixture.h"

TEST_F(ReactionEditTest, ObjectItems) {
    trigger({112, 112}, "Create Shortcut");
    EXPECT_TRUE(system.components[4].shortcut);
    trigger({142, 142}, "Delete Shortcut");
    trigger({112, 336}, "Delete");
    EXPECT_EQ(system.components.count(), 3);
    trigger(branchPoint(1), "Swap Reaction Side");
    EXPECT_EQ(reaction().reactants[1].port, -1);
    trigger(branchPoint(0), "Delete From Reaction");
    EXPECT_EQ(reaction().reactants.count(), 1);
    trigger(reaction().pos, "Movable Center, Adaptive Orientation");
    EXPECT_EQ(reaction().geometry, Vreaction::movableAdaptive);
    const auto names = menuAt(system.components[0].namePos);
    item(*names, "B")->trigger(); // taken
    item(*names, "Q")->trigger();
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(system.components[0].name, "Q");
    trigger(reaction().pos, "Delete");
    EXPECT_EQ(undo.labels,
              (Labels{"Create component shortcut", "Delete component shortcut", "Delete component",
                      "Swap reaction side", "Delete reaction reactant", "Change arrow geometry",
                      "Rename component", "Delete reaction"}));
}

TEST_F(ReactionEditTest, ParameterItemsActOnTheirValue) {
    const Vcomponent& a = system.components[0];
    trigger(a.labelPos, "Constant Concentration Mode");
    EXPECT_TRUE(item(*menuAt(a.labelPos), "Constant Concentration Mode")->isChecked());
    trigger(a.labelPos, "Animate Initial Concentration");
    EXPECT_EQ(animation.animatedParameter(), &a.initialConcentration);
    EXPECT_EQ(host.animationChoices, 1);
    trigger(a.labelPos, "Animation...");
    EXPECT_EQ(host.animationWindows, 1);
    // Each rate constant of a reversible reaction has its own items.
    trigger({224, 112}, "Reversible");
    trigger(reaction().labelPosBack, "Reaction Switches...");
    trigger(reaction().labelPos, "Reaction Switches...");
    EXPECT_EQ(host.switches, (std::vector<std::pair<int, bool>>{{0, true}, {0, false}}));
    trigger(reaction().labelPosBack, "Animate Rate Constant");
    EXPECT_TRUE(reaction().animateBack && !reaction().animate);
    EXPECT_FALSE(item(*menuAt(reaction().labelPos), "Animate Rate Constant")->isChecked());
    EXPECT_EQ(undo.labels, (Labels{"Toggle constant concentration", "Switch parameter animation",
                                   "Change reaction mode", "Switch parameter animation"}));
}
