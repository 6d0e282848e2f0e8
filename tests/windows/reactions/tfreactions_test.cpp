#include "reactionwindowfixture.h"

#include <QScrollBar>

TEST_F(ReactionWindowTest, BuildsAReversibleChainWithTheMouseAlone) {
    for (const int x : {112, 336, 560})
        doubleClick({x, 112});
    drag({128, 112}, {{200, 112}, {336, 112}}); // from A's ring onto B
    drag({352, 112}, {{400, 120}, {556, 116}}); // from B's ring onto C
    ASSERT_EQ(system.reactions.count(), 2);
    trigger(system.reactions[0].pos, "Reversible");
    EXPECT_TRUE(system.reactions[0].activeBack);
    EXPECT_EQ(system.reactions[1].reactants[1].index, 2);
    doubleClick({112, 112}); // on a component only its first click counts
    EXPECT_TRUE(system.components[0].selected);
    doubleClick({336, 336}, Qt::ControlModifier); // a reaction on empty space
    EXPECT_EQ(system.components.count(), 3);
    EXPECT_EQ(system.reactions[2].pos, (Poi{336, 336}));
    EXPECT_EQ(undo.labels,
              (Labels{"New component", "New component", "New component", "New 1-1 reaction",
                      "New 1-1 reaction", "Change reaction mode", "New reaction"}));
    EXPECT_EQ(window.state, WindowState::idle);
    QTest::keyClick(&window, Qt::Key_A);
    QTest::keyClick(&window, Qt::Key_Delete);
    EXPECT_EQ(host.deletes, 1);
}

TEST_F(ReactionWindowTest, RegionSelectionInEitherDirectionAndClicksToggle) {
    for (const int xy : {112, 224})
        doubleClick({xy, xy});
    doubleClick({448, 336});
    doubleClick({280, 280}, Qt::ControlModifier);
    for (const auto& [from, to] : {std::pair{Poi{90, 90}, Poi{300, 300}},
                                   {{90, 300}, {300, 90}},
                                   {{300, 300}, {90, 90}}}) { // up and to the left
        system.deselectAll();
        drag(from, {{from.x + (to.x > from.x ? 3 : -3), from.y + (to.y > from.y ? 3 : -3)}, to});
        EXPECT_TRUE(system.components[0].selected && system.components[1].selected &&
                    !system.components[2].selected && system.reactions[0].selected);
    }
    click({112, 112});
    EXPECT_FALSE(system.components[0].selected);
    click({500, 400});
    EXPECT_TRUE(system.nothingSelected());
    EXPECT_EQ(undo.labels.size(), 4u);
}

TEST_F(ReactionWindowTest, MovesSnapToTheGridStayOnThePlaneAndCarryTheSelection) {
    doubleClick({112, 112});
    doubleClick({336, 112});
    undo.labels.clear();
    drag({112, 112}, {{115, 114}, {140, 130}});
    EXPECT_EQ(system.components[0].pos, (Poi{168, 112}));
    EXPECT_EQ(undo.labels, (Labels{"Move"}));
    EXPECT_TRUE(system.nothingSelected()) << "a move leaves nothing selected";
    system.useGrid = false;
    drag({168, 112}, {{160, 112}, {-1, 112}}); // left of the plane: no step at all
    EXPECT_EQ(system.components[0].pos, (Poi{168, 112}));
    click({336, 112}); // selects B, which then moves along
    drag({168, 112}, {{170, 112}, {181, 125}});
    EXPECT_EQ(system.components[0].pos, (Poi{181, 125}));
    EXPECT_EQ(system.components[1].pos, (Poi{349, 125}));
    EXPECT_TRUE(system.nothingSelected());
}
