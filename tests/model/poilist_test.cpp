#include "model/poilist.h"

#include <gtest/gtest.h>

namespace {

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

TEST(PoiListTest, ACurvedBranchFollowsTheSteeringRuleExactly) {
    // Leaving to the right toward a target below and to the left: the points
    // of the rule worked out by hand (gain 1 / (D^0.707 + 0.001)); a gain of
    // D^0.7 or D^0.71 moves them.
    PoiList branch;
    branch.buildBranch({0, 0}, {-20, 60}, 0);
    ASSERT_EQ(branch.count(), 73);
    EXPECT_EQ(branch[10], (Poi{8, 4}));
    EXPECT_EQ(branch[20], (Poi{12, 13}));
    EXPECT_EQ(branch[40], (Poi{9, 32}));
    EXPECT_EQ(branch[72], (Poi{-11, 57}));
    // A target straight behind: the curve turns clockwise, downward on screen.
    PoiList behind;
    behind.buildBranch({0, 0}, {-100, 0}, 0);
    for (const Poi& p : behind)
        EXPECT_GE(p.y, 0);
}

} // namespace
