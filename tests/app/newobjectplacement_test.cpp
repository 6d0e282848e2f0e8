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
