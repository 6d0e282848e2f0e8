#include "model/vreaction.h"

#include "model/vcomponent.h"
#include "support/fixedtextmeasurer.h"
#include "support/testsystem.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

Llist<Vcomponent> componentsAt(std::initializer_list<Poi> positions) {
    Llist<Vcomponent> list;
    for (Poi p : positions) {
        Vcomponent c("X", 0, 0);
        c.pos = p;
        list.add(c);
    }
    return list;
}

Reactant entry(int index, int port, bool align = false) {
    return reactantOf(index, 1, port, align);
}

class VreactionTest : public ::testing::Test {
protected:
    void layout(Vreaction& r, const Llist<Vcomponent>& components) {
        r.layout(components, &measurer, ModelSettings());
    }
    FixedTextMeasurer measurer;
};

TEST_F(VreactionTest, LabelTextsCarrySwitchAndAnimationMarks) {
    Vreaction r;
    r.rateConstant = 2;
    r.rateConstantBack = 0.5;
    r.switches.add(ReactionSwitch());
    r.animate = r.animateBack = true;
    layout(r, Llist<Vcomponent>());
    EXPECT_EQ(r.label, "2 ! \xB1 anim");
    EXPECT_EQ(r.labelBack, "0.5 \xB1 anim");
}

TEST_F(VreactionTest, AngleAndCentreInTheFourGeometryModes) {
    // A lower left, B upper right, C far right.
    const Llist<Vcomponent> components = componentsAt({{100, 300}, {300, 100}, {500, 300}});
    struct Case {
        int geometry;
        std::initializer_list<Reactant> entries;
        double angle;
        Poi pos;
        int geometryAfter;
    };
    const Case cases[] = {
        {-1, {entry(0, -1), entry(1, 1)}, 0, {150, 150}, -1},
        {-2, {entry(0, -1), entry(1, 1)}, pi / 4, {150, 150}, -2},
        {-3, {entry(0, -1), entry(1, 1)}, pi / 4, {200, 200}, -3},
        // One side empty: horizontal; mode -3 still centres.
        {-2, {entry(0, 1), entry(1, 1)}, 0, {150, 150}, -2},
        {-3, {entry(0, -1), entry(2, -1)}, 0, {300, 300}, -3},
        // One distinct component on both sides: the centre stays.
        {-3, {entry(0, -1), entry(0, 1)}, 0, {150, 150}, -3},
        // The means of the two sides set the axis.
        {-2, {entry(0, -1), entry(1, -1), entry(2, 1)}, angleOf(300, -100), {150, 150}, -2},
        // Aligned: the last aligned pair sets axis and centre.
        {0, {entry(2, -1, true), entry(0, -1, true), entry(1, 1, true)}, pi / 4, {200, 200}, 0},
        {0, {entry(0, -1, true), entry(1, 1)}, 0, {150, 150}, -1},
    };
    for (const Case& c : cases) {
        Vreaction r;
        r.pos = {150, 150};
        r.geometry = c.geometry;
        for (const Reactant& e : c.entries)
            r.reactants.add(e);
        layout(r, components);
        EXPECT_NEAR(r.angle, c.angle, 1e-12) << "mode " << c.geometry;
        EXPECT_EQ(r.pos, c.pos) << "mode " << c.geometry;
        EXPECT_EQ(r.geometry, c.geometryAfter);
    }
}

} // namespace
