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
