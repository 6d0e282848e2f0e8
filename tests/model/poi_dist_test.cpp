#include "model/poi_dist.h"

#include <gtest/gtest.h>

namespace {

TEST(PoiDistTest, CirclesSegmentsAndRectangles) {
    enum Shape { filled, outlined, segment, point, rectangle };
    const struct {
        Shape shape;
        Poi probe;
        int expected;
    } cases[] = {{filled, {111, 100}, 0},   {filled, {112, 100}, 0},   {filled, {115, 104}, 3},
                 {outlined, {105, 100}, 7}, {outlined, {112, 100}, 0}, {segment, {50, 7}, 7},
                 {segment, {-3, 4}, 5},     {segment, {106, -8}, 10},  {point, {3, 4}, 5},
                 {rectangle, {15, 25}, 0},  {rectangle, {10, 20}, 0},  {rectangle, {30, 40}, 0},
                 {rectangle, {31, 30}, 1},  {rectangle, {20, 17}, 3},  {rectangle, {33, 44}, 5}};
    for (const auto& c : cases) {
        Poi_Dist dist(c.probe);
        if (c.shape == filled || c.shape == outlined)
            dist.addCircle({100, 100}, 12, c.shape == filled);
        if (c.shape == segment) dist.addSegment({0, 0}, {100, 0});
        if (c.shape == point) dist.addSegment({0, 0}, {0, 0});
        if (c.shape == rectangle) dist.addRectangle({30, 40}, {10, 20});
        EXPECT_EQ(dist.best, c.expected) << c.shape << ": " << c.probe.x << "," << c.probe.y;
    }
    Poi_Dist nearer({33, 44});
    nearer.add(2); // a nearer shape found before wins
    nearer.addRectangle({30, 40}, {10, 20});
    EXPECT_EQ(nearer.best, 2);
}

} // namespace
