#include "model/poilist.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

TEST(PoiListTest, StraightShortAndDegenerateBranches) {
    PoiList branch;
    branch.buildBranch({0, 0}, {100, 0}, 0);
    // x advances by exactly 1 per step; at x = 91 the target is 9 away.
    ASSERT_EQ(branch.count(), 92);
    EXPECT_EQ(branch[91], (Poi{91, 0}));
    EXPECT_EQ(branch.extent().maximum(), (Poi{91, 0}));
    branch.buildBranch({5, 5}, {5, 5}, 0);
    EXPECT_TRUE(branch.empty()); // no stale points of the previous shape
    EXPECT_FALSE(branch.extent().notEmpty);
    branch.buildBranch({5, 5}, {14, 5}, 0);
    EXPECT_EQ(branch.count(), 1); // within 10 pixels: the start only
    branch.buildBranch({5, 5}, {15, 5}, 0);
    EXPECT_EQ(branch.count(), 2);             // exactly 10 pixels is not close enough
    branch.buildBranch({0, 0}, {3500, 0}, 0); // ends short after 3000 points
    ASSERT_EQ(branch.count(), PoiList::maxBranchPoints);
    EXPECT_EQ(branch[branch.last()], (Poi{2999, 0}));
    EXPECT_EQ(branch.distance({3005, 8}), 10);
}

TEST(PoiListTest, BranchLeavesAlongItsHeadingAndBendsToTheTarget) {
    const struct {
        Poi target;
        double heading;
    } cases[] = {{{200, 50}, pi / 2}, {{-150, 80}, 0}, {{30, -400}, pi}, {{0, 300}, 1.5 * pi}};
    for (const auto& c : cases) {
        PoiList branch;
        branch.buildBranch({0, 0}, c.target, c.heading);
        ASSERT_LT(branch.count(), PoiList::maxBranchPoints);
        // Stopped closer than 10 pixels; truncating the point may add one.
        EXPECT_LE(branch[branch.last()].distance(c.target), 10);
        for (int i = 1; i < branch.count(); ++i)
            ASSERT_LE((branch[i] - branch[i - 1]).length(), std::sqrt(2.0));
        const Poi early = branch[5];
        EXPECT_GT(early.x * std::cos(c.heading) - early.y * std::sin(c.heading), 3);
    }
    // A target straight behind: the curve turns clockwise, downward on screen.
    PoiList behind;
    behind.buildBranch({0, 0}, {-100, 0}, 0);
    for (const Poi& p : behind)
        EXPECT_GE(p.y, 0);
}

} // namespace
