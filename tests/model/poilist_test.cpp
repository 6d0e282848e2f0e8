#include "model/poilist.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

bool unitSteps(const PoiList& list) {
    for (int i = 1; i < list.count(); ++i)
        if (std::abs(list[i].x - list[i - 1].x) > 1 || std::abs(list[i].y - list[i - 1].y) > 1)
            return false;
    return true;
}

TEST(PoiListTest, StraightBranchStopsCloserThanTenPixels) {
    PoiList branch;
    branch.buildBranch({0, 0}, {100, 0}, 0);
    // x advances by exactly 1 per step; at x = 91 the target is 9 away.
    ASSERT_EQ(branch.count(), 92);
    EXPECT_EQ(branch[0], (Poi{0, 0}));
    EXPECT_EQ(branch[91], (Poi{91, 0}));
}

TEST(PoiListTest, ShortAndDegenerateBranches) {
    PoiList branch;
    branch.buildBranch({0, 0}, {100, 0}, 0);
    branch.buildBranch({5, 5}, {5, 5}, 0);
    EXPECT_TRUE(branch.empty()); // no stale points of the previous shape
    branch.buildBranch({5, 5}, {14, 5}, 0);
    EXPECT_EQ(branch.count(), 1); // within 10 pixels: the start only
    branch.buildBranch({5, 5}, {15, 5}, 0);
    EXPECT_EQ(branch.count(), 2); // exactly 10 pixels is not close enough
}

TEST(PoiListTest, BranchBendsTowardTheTargetInUnitSteps) {
    struct Case {
        Poi target;
        double heading;
    };
    const Case cases[] = {
        {{200, 50}, pi / 2}, {{-150, 80}, 0}, {{30, -400}, pi}, {{0, 300}, 1.5 * pi}};
    for (const Case& c : cases) {
        PoiList branch;
        branch.buildBranch({0, 0}, c.target, c.heading);
        ASSERT_LT(branch.count(), PoiList::maxBranchPoints);
        EXPECT_LT(branch[branch.last()].distance(c.target), 11);
        EXPECT_TRUE(unitSteps(branch));
        // It leaves along its start direction.
        const Poi early = branch[5];
        EXPECT_GT(early.x * std::cos(c.heading) - early.y * std::sin(c.heading), 3);
    }
}

TEST(PoiListTest, TargetStraightBehindTurnsClockwise) {
    PoiList branch;
    branch.buildBranch({0, 0}, {-100, 0}, 0);
    // Clockwise on the screen: the curve swings downward (y grows).
    for (const Poi& p : branch)
        EXPECT_GE(p.y, 0);
    EXPECT_LT(branch[branch.last()].distance({-100, 0}), 11);
}

TEST(PoiListTest, LongBranchEndsShortAfterThreeThousandPoints) {
    PoiList branch;
    branch.buildBranch({0, 0}, {3500, 0}, 0);
    ASSERT_EQ(branch.count(), PoiList::maxBranchPoints);
    EXPECT_EQ(branch[branch.last()], (Poi{2999, 0}));
}

TEST(PoiListTest, DistanceAndCachedExtentFollowThePoints) {
    PoiList list;
    EXPECT_EQ(list.distance({0, 0}), 1000000);
    EXPECT_FALSE(list.extent().notEmpty);
    list.add({10, 10});
    list.add({20, 5});
    EXPECT_EQ(list.distance({23, 9}), 5);
    EXPECT_EQ(list.extent().minimum(), (Poi{10, 5}));
    list.add({0, 30});
    EXPECT_EQ(list.extent().minimum(), (Poi{0, 5}));
    EXPECT_EQ(list.extent().maximum(), (Poi{20, 30}));
    EXPECT_EQ(list.at(5), (Poi{0, 0}));
}

} // namespace
