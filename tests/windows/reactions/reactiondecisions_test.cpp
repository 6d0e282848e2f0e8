#include "windows/reactions/reactiondecisions.h"

#include "support/reactorfixture.h"

#include <numbers>

namespace {

DropTarget onComponent(int k) {
    return {true, true, k, 0};
}
DropTarget onReaction(int i, int side) {
    return {true, false, i, side};
}

class DecisionsTest : public ReactorFixture {};

} // namespace

TEST_F(DecisionsTest, DropTargets) {
    const int a = component(Poi{100, 100});
    const int b = component(Poi{100, 300});
    const int free = reaction(Poi{300, 100});
    // A reaction whose axis points up: its right half is above the centre.
    const int upward = reaction(Poi{300, 300});
    reactor.layout();
    reactor.reactions[upward].angle = std::numbers::pi / 2;
    struct Case {
        const char* what;
        Poi p;
        DropTarget expected;
    };
    const Case cases[] = {
        {"component centre", {100, 100}, onComponent(a)},
        {"ring edge", {122, 100}, onComponent(a)},
        {"past the ring", {123, 100}, DropTarget{}},
        {"other component", {100, 290}, onComponent(b)},
        {"left half", {290, 100}, onReaction(free, -1)},
        {"right half", {310, 100}, onReaction(free, 1)},
        {"a right angle counts as left", {300, 90}, onReaction(free, -1)},
        {"just off the axis on the right", {310, 99}, onReaction(free, 1)},
        {"edge of the half", {285, 100}, onReaction(free, -1)},
        {"past the half", {284, 100}, DropTarget{}},
        {"rotated: above is right", {300, 290}, onReaction(upward, 1)},
        {"rotated: below is left", {300, 310}, onReaction(upward, -1)},
    };
    for (const Case& c : cases) {
        const DropTarget found = findDropTarget(reactor, c.p);
        EXPECT_EQ(found.found, c.expected.found) << c.what;
        if (c.expected.found) {
            EXPECT_EQ(found, c.expected) << c.what;
        }
    }
    EXPECT_FALSE(findDropTarget(reactor, Poi{600, 600}).found);
}

TEST_F(DecisionsTest, AReactionOverlappingARingTakesTheDrop) {
    component(Poi{100, 100});
    const int r = reaction(Poi{130, 100});
    EXPECT_EQ(findDropTarget(reactor, Poi{118, 100}), onReaction(r, -1));
}

TEST(Decisions, RegionCornersAreOrdered) {
    const std::pair<Poi, Poi> expected{{10, 20}, {50, 80}};
    EXPECT_EQ(normalisedRegion({50, 80}, {10, 20}), expected);
    EXPECT_EQ(normalisedRegion({10, 20}, {50, 80}), expected);
    EXPECT_EQ(normalisedRegion({50, 20}, {10, 80}), expected);
    EXPECT_EQ(normalisedRegion({10, 80}, {50, 20}), expected);
}

TEST_F(DecisionsTest, AlignPairsListLeftEntriesThenTheirRightPartners) {
    const int a = component(Poi{100, 100});
    const int b = component(Poi{300, 100});
    const int c = component(Poi{300, 200});
    const int d = component(Poi{100, 200});
    const int r = reaction(Poi{200, 150});
    connect(a, r, -1);
    connect(b, r, 1);
    connect(d, r, -1);
    connect(c, r, 1);
    const std::vector<AlignPair> pairs = alignPairs(reactor, r);
    ASSERT_EQ(pairs.size(), 4u);
    EXPECT_EQ(pairs[0].caption, "Align To A - B");
    EXPECT_EQ(pairs[1].caption, "Align To A - C");
    EXPECT_EQ(pairs[2].caption, "Align To D - B");
    EXPECT_EQ(pairs[3].caption, "Align To D - C");
    EXPECT_EQ(pairs[3].left, 2);
    EXPECT_EQ(pairs[3].right, 3);

    for (int mode = Vreaction::adaptive; mode <= Vreaction::movableHorizontal; ++mode) {
        reactor.reactions[r].geometry = mode;
        EXPECT_EQ(checkedGeometryItem(reactor, r, pairs), mode + 3);
    }
    applyGeometryItem(reactor, r, 4, pairs); // "Align To A - C"
    EXPECT_EQ(reactor.reactions[r].geometry, Vreaction::aligned);
    EXPECT_EQ(checkedGeometryItem(reactor, r, pairs), 4);
    const bool aligned[] = {true, false, false, true};
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(reactor.reactions[r].reactants[j].align, aligned[j]) << j;

    applyGeometryItem(reactor, r, 3, pairs); // the first pair only
    const bool first[] = {true, true, false, false};
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(reactor.reactions[r].reactants[j].align, first[j]) << j;
    applyGeometryItem(reactor, r, 0, pairs);
    EXPECT_EQ(reactor.reactions[r].geometry, Vreaction::adaptive);
    applyGeometryItem(reactor, r, 9, pairs); // no such item
    EXPECT_EQ(reactor.reactions[r].geometry, Vreaction::adaptive);
}

TEST_F(DecisionsTest, OrderBoundLeavesRoomForTheOtherOrdersOfTheSide) {
    const int a = component(Poi{100, 100});
    const int b = component(Poi{100, 200});
    const int c = component(Poi{300, 100});
    const int r = reaction(Poi{200, 150});
    connect(a, r, -1, 2);
    connect(b, r, -1, 3);
    connect(c, r, 1, 50);
    EXPECT_EQ(orderUpperBound(reactor, r, 0), 97.5);
    EXPECT_EQ(orderUpperBound(reactor, r, 1), 98.5);
    EXPECT_EQ(orderUpperBound(reactor, r, 2), 100.5);
}

TEST(Decisions, SurfaceCoversWindowAndDrawing) {
    struct Case {
        QSize client;
        Poi_Extent extent;
        QSize drawing;
    };
    const Case cases[] = {
        {{400, 300}, Poi_Extent(), {400, 300}},
        {{400, 300}, Poi_Extent({10, 10}, {600, 200}), {605, 300}},
        {{400, 300}, Poi_Extent({10, 10}, {395, 296}), {400, 301}},
        {{400, 300}, Poi_Extent({10, 10}, {700, 900}), {705, 905}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drawingSize(c.client, c.extent), c.drawing);
        EXPECT_EQ(surfaceSize(c.client, c.extent), c.drawing + QSize(20, 20));
    }
}
