#include "model/poi.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

TEST(PoiTest, AngleOfEveryQuadrantAndAxis) {
    struct Case {
        double dx, dyUp, angle;
    };
    const Case cases[] = {
        {1, 0, 0},           {2, 2, pi / 4},       {1, -1, 2 * pi - pi / 4}, {-3, 0, pi},
        {-1, 1, 3 * pi / 4}, {-1, -1, 5 * pi / 4}, {0, 5, pi / 2},           {0, -5, 1.5 * pi},
        {0, 0, 0},           {1, -1e-300, 0}, // atan + 2 pi would round to 2 pi, outside the range
    };
    for (const Case& c : cases) {
        const double a = angleOf(c.dx, c.dyUp);
        EXPECT_NEAR(a, c.angle, 1e-12) << c.dx << ", " << c.dyUp;
        EXPECT_GE(a, 0);
        EXPECT_LT(a, 2 * pi);
    }
}

TEST(PoiTest, IntegerArithmeticTruncatesTowardZero) {
    EXPECT_EQ(Poi({1, 3}).midpoint({2, 6}), (Poi{1, 4}));
    EXPECT_EQ(Poi({-3, 0}).midpoint({0, 0}), (Poi{-1, 0}));
    EXPECT_EQ(Poi({0, 0}).distance({3, 4}), 5);
    EXPECT_EQ(Poi({0, 0}).distance({1, 1}), 1);
    EXPECT_EQ(Poi({10, -7}).scaled(0.55), (Poi{5, -3}));
    EXPECT_EQ(Poi({3, 4}).rescaled(10), (Poi{6, 8}));
    EXPECT_EQ(Poi({0, 0}).rescaled(10), (Poi{0, 0}));
    EXPECT_EQ(truncatedInt(std::nan("")), 0);
    EXPECT_EQ(truncatedInt(1e300), INT_MAX);
    EXPECT_EQ(truncatedInt(-2.7), -2);
    // A distance that does not fit an int saturates instead of overflowing.
    EXPECT_EQ(Poi({INT_MIN, INT_MIN}).distance({INT_MAX, INT_MAX}), INT_MAX);
}

TEST(PoiTest, GridSnapRoundsToTheNearestGridPoint) {
    EXPECT_EQ(Poi({27, 27}).snapped(), (Poi{0, 0}));
    EXPECT_EQ(Poi({28, 83}).snapped(), (Poi{56, 56}));
    EXPECT_EQ(Poi({84, 112}).snapped(), (Poi{112, 112}));
}

} // namespace
