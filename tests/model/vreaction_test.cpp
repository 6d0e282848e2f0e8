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

// Products on the right axis end, within 10 pixels of it, and far.
TEST_F(VreactionTest, BranchesOrderPointsHitDistancesAndExtent) {
    const Llist<Vcomponent> components = componentsAt({{204, 200}, {210, 200}, {400, 200}});
    Vreaction r;
    r.pos = {200, 200};
    for (int i = 0; i < 3; ++i)
        r.reactants.add(entry(i, 1));
    layout(r, components);
    ASSERT_EQ(r.branches.count(), 3);
    EXPECT_TRUE(r.branches[0].empty());
    EXPECT_EQ(r.branches[1].count(), 1);
    EXPECT_EQ(r.orderPoints[0], (Poi{204, 200}));
    EXPECT_EQ(r.orderPoints[1], (Poi{204, 200}));
    // Straight from x 204 to 391: 188 points; the order 20 steps before the end.
    EXPECT_EQ(r.branches[2].count(), 188);
    EXPECT_EQ(r.orderPoints[2], (Poi{371, 200}));
    EXPECT_EQ(r.branchEnds[2], (Poi{400, 200}));

    EXPECT_EQ(r.distance({210, 200}), 2);
    EXPECT_EQ(r.labelDistance({206, 189}), 3);
    EXPECT_EQ(r.branchDistance(2, {300, 203}), 3);
    EXPECT_EQ(r.branchDistance(3, {300, 200}), Vclass::miss);
    // "10" is 10 x 13 around the order point (371, 200).
    EXPECT_EQ(r.orderDistance(2, {376, 206}), 0);
    EXPECT_EQ(r.orderDistance(2, {379, 200}), 3);
    EXPECT_EQ(r.orderDistance(-1, {371, 200}), Vclass::miss);
    // The centre square from 185, the labels from y 183 to 216, the branch
    // to x 391; all grown by 10.
    EXPECT_EQ(r.extent().minimum(), (Poi{175, 173}));
    EXPECT_EQ(r.extent().maximum(), (Poi{401, 226}));

    r.reactants.remove(0);
    layout(r, components);
    EXPECT_EQ(r.orderPoints.count(), 2);
    EXPECT_EQ(r.branches[1].count(), 188);
}

} // namespace
