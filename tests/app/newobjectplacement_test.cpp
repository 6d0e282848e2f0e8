#include "app/newobjectplacement.h"

#include "model/vreactor.h"

#include <gtest/gtest.h>

TEST(NewObjectPlacement, ComponentsFillTheLatticeRowByRow) {
    Vreactor system;
    const Poi expected[] = {{112, 112}, {224, 112}, {336, 112}, {448, 112}, {560, 112}, {112, 224}};
    for (const Poi& p : expected) {
        const Poi placed = newObjectPlacement(system, false);
        EXPECT_EQ(placed, p);
        Vcomponent c;
        c.pos = placed;
        system.components.add(c);
    }
}

TEST(NewObjectPlacement, ReactionsStandOneGridUnitRightOfTheirCell) {
    Vreactor system;
    EXPECT_EQ(newObjectPlacement(system, true), (Poi{168, 112}));
    Vreaction r;
    r.pos = {168, 112};
    system.reactions.add(r);
    EXPECT_EQ(newObjectPlacement(system, true), (Poi{280, 112}));
    // A reaction off the component lattice leaves the component cells free.
    EXPECT_EQ(newObjectPlacement(system, false), (Poi{112, 112}));
    // A component standing on a reaction's cell takes it, and the other way round.
    Vcomponent c;
    c.pos = {280, 112};
    system.components.add(c);
    EXPECT_EQ(newObjectPlacement(system, true), (Poi{392, 112}));
}

TEST(NewObjectPlacement, AFullLatticeGivesTheFirstCell) {
    Vreactor system;
    for (int row = 1; row <= 5; ++row)
        for (int column = 1; column <= 5; ++column) {
            Vcomponent c;
            c.pos = {column * 112, row * 112};
            system.components.add(c);
        }
    EXPECT_EQ(newObjectPlacement(system, false), (Poi{112, 112}));
    // Nearly there is not exactly there.
    system.components[0].pos = {113, 112};
    EXPECT_EQ(newObjectPlacement(system, false), (Poi{112, 112}));
    system.components[0].pos = {112, 112};
    system.components[24].pos = {561, 560};
    EXPECT_EQ(newObjectPlacement(system, false), (Poi{560, 560}));
}
