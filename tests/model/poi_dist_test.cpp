#include "model/poi_dist.h"

#include <gtest/gtest.h>

namespace {

TEST(PoiDistTest, StartsAsAMissAndKeepsTheSmallest) {
    Poi_Dist dist({0, 0});
    EXPECT_EQ(dist.best, Poi_Dist::miss);
    dist.add(7);
    dist.add(9);
    EXPECT_EQ(dist.best, 7);
}

TEST(PoiDistTest, Circles) {
    struct Case {
        Poi probe;
        int radius;
        bool filled;
        int expected;
    };
    const Case cases[] = {
        {{100, 100}, 12, true, 0},  // centre
        {{111, 100}, 12, true, 0},  // inside
        {{112, 100}, 12, true, 0},  // on the edge
        {{115, 104}, 12, true, 3},  // 15.5 away: the truncated distance minus r
        {{105, 100}, 12, false, 7}, // an outline is hit at its line only
        {{112, 100}, 12, false, 0},
    };
    for (const Case& c : cases) {
        Poi_Dist dist(c.probe);
        dist.addCircle({100, 100}, c.radius, c.filled);
        EXPECT_EQ(dist.best, c.expected) << c.probe.x << "," << c.probe.y;
    }
}

TEST(PoiDistTest, SegmentsProjectAndClampToTheEnds) {
    struct Case {
        Poi a, b, probe;
        int expected;
    };
    const Case cases[] = {
        {{0, 0}, {100, 0}, {50, 7}, 7},    // beside the middle
        {{0, 0}, {100, 0}, {-3, 4}, 5},    // before the start: to the start
        {{0, 0}, {100, 0}, {106, -8}, 10}, // past the end: to the end
        {{0, 0}, {0, 0}, {3, 4}, 5},       // a point
        {{0, 0}, {10, 10}, {10, 0}, 7},    // 7.07 truncated
    };
    for (const Case& c : cases) {
        Poi_Dist dist(c.probe);
        dist.addSegment(c.a, c.b);
        EXPECT_EQ(dist.best, c.expected) << c.probe.x << "," << c.probe.y;
    }
}

TEST(PoiDistTest, RectanglesAreHitInsideWithTheirCorners) {
    struct Case {
        Poi probe;
        int expected;
    };
    const Case cases[] = {
        {{15, 25}, 0}, {{10, 20}, 0}, {{30, 40}, 0}, // inside and both corners
        {{31, 30}, 1}, {{20, 17}, 3},                // beside an edge
        {{33, 44}, 5},                               // beyond a corner
    };
    for (const Case& c : cases) {
        Poi_Dist dist(c.probe);
        dist.addRectangle({30, 40}, {10, 20}); // corners in either order
        EXPECT_EQ(dist.best, c.expected) << c.probe.x << "," << c.probe.y;
    }
}

} // namespace
