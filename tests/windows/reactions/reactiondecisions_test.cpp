#include "windows/reactions/reactiondecisions.h"

#include "support/reactorfixture.h"
#include "windows/windowtest.h"

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
    const std::tuple<const char*, Poi, DropTarget> cases[] = {
        {"ring edge", {122, 100}, onComponent(a)},
        {"past the ring", {123, 100}, DropTarget{}},
        {"other component", {100, 290}, onComponent(b)},
        {"left half", {290, 100}, onReaction(free, -1)},
        {"a right angle counts as left", {300, 90}, onReaction(free, -1)},
        {"just off the axis on the right", {310, 99}, onReaction(free, 1)},
        {"edge of the half", {285, 100}, onReaction(free, -1)},
        {"past the half", {284, 100}, DropTarget{}},
        {"rotated: above is right", {300, 290}, onReaction(upward, 1)},
    };
    for (const auto& [what, p, expected] : cases) {
        const DropTarget found = findDropTarget(reactor, p);
        EXPECT_EQ(found.found, expected.found) << what;
        if (expected.found) {
            EXPECT_EQ(found, expected) << what;
        }
    }
    // A reaction overlapping a ring takes the drop.
    const int over = reaction(Poi{130, 300});
    EXPECT_EQ(findDropTarget(reactor, Poi{118, 300}), onReaction(over, -1));
}

TEST_F(DecisionsTest, OrderBoundLeavesRoomForTheOtherOrdersOfTheSide) {
    const int r = reaction(Poi{200, 150});
    connect(component(Poi{100, 100}), r, -1, 2);
    connect(component(Poi{100, 200}), r, -1, 3);
    connect(component(Poi{300, 100}), r, 1, 50);
    EXPECT_EQ(std::tuple(orderUpperBound(reactor, r, 0), orderUpperBound(reactor, r, 1),
                         orderUpperBound(reactor, r, 2)),
              std::tuple(97.5, 98.5, 100.5));
}
