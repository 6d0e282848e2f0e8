#include "model/poi_dist.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    Poi probe;
    int expected;
};

TEST(PoiDistTest, CirclesFilledAndOutlined) {
    const Case filled[] = {{{111, 100}, 0}, {{112, 100}, 0}, {{115, 104}, 3}};
    const Case outlined[] = {{{105, 100}, 7}, {{112, 100}, 0}, {{115, 104}, 3}};
    for (const Case& c : filled) {
        Poi_Dist dist(c.probe);
        dist.addCircle({100, 100}, 12, true);
        EXPECT_EQ(dist.best, c.expected);
    }
    for (const Case& c : outlined) {
        Poi_Dist dist(c.probe);
        dist.addCircle({100, 100}, 12, false);
        EXPECT_EQ(dist.best, c.expected);
    }
}

TEST(PoiDistTest, SegmentsClampToTheirEnds) {
    const Case cases[] = {{{50, 7}, 7}, {{-3, 4}, 5}, {{106, -8}, 10}};
    for (const Case& c : cases) {
        Poi_Dist dist(c.probe);
        dist.addSegment({0, 0}, {100, 0});
        EXPECT_EQ(dist.best, c.expected) << c.probe.x;
    }
    Poi_Dist point({3, 4});
    point.addSegment({0, 0}, {0, 0});
    EXPECT_EQ(point.best, 5);
}

TEST(PoiDistTest, RectanglesAreHitInsideWithTheirCorners) {
    const Case cases[] = {{{15, 25}, 0}, {{10, 20}, 0}, {{30, 40}, 0},
                          {{31, 30}, 1}, {{20, 17}, 3}, {{33, 44}, 5}};
    for (const Case& c : cases) {
        Poi_Dist dist(c.probe);
        dist.add(2); // a nearer shape found before wins
        dist.addRectangle({30, 40}, {10, 20});
        EXPECT_EQ(dist.best, std::min(2, c.expected)) << c.probe.x << "," << c.probe.y;
    }
}

} // namespace
