#include "app/menustate.h"

#include "model/vreactor.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

TEST(MenuState, SystemItemsFollowTheSelection) {
    struct Case {
        bool componentSelected, reactionSelected, switches, autoRefresh;
        SystemMenuState expected;
    };
    // reactionSelected, componentSelected, defineByResult, deleteObjects, deleteSwitches
    const Case cases[] = {
        {false, false, false, true, {false, false, false, false, false}},
        {true, false, false, true, {false, true, true, true, false}},
        {true, false, false, false, {false, true, false, true, false}},
        {false, true, false, true, {true, false, false, true, false}},
        {false, true, true, false, {true, false, false, true, true}},
        {true, true, true, true, {true, true, true, true, true}},
    };
    for (const Case& c : cases) {
        Vreactor system;
        const int a = addComponent(system, "A", 1);
        addComponent(system, "B", 0);
        Vreaction& r = addReaction(system, {{a, 1, -1}}, 1);
        system.components[1].selected = c.componentSelected;
        r.selected = c.reactionSelected;
        if (c.switches) addSwitches(r.switchesBack, {2});
        // An unselected reaction with switches never counts.
        addSwitches(addReaction(system, {}, 1).switches, {1});
        const SystemMenuState s = systemMenuState(system, c.autoRefresh);
        EXPECT_EQ(s.reactionSelected, c.expected.reactionSelected);
        EXPECT_EQ(s.componentSelected, c.expected.componentSelected);
        EXPECT_EQ(s.defineByResult, c.expected.defineByResult);
        EXPECT_EQ(s.deleteObjects, c.expected.deleteObjects);
        EXPECT_EQ(s.deleteReactionSwitches, c.expected.deleteReactionSwitches);
    }
}
