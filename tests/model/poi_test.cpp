#include "model/poi.h"

#include <gtest/gtest.h>

#include <climits>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

TEST(PoiTest, AngleOfEveryQuadrantAndAxis) {
    const double cases[][3] = {
        {1, 0, 0},          {2, 2, pi / 4},      {1, -1, 1.75 * pi}, {-3, 0, pi},
        {-1, 1, 0.75 * pi}, {-1, -1, 1.25 * pi}, {0, 5, pi / 2},     {0, -5, 1.5 * pi},
        {0, 0, 0},          {1, -1e-300, 0}, // atan + 2 pi would round to 2 pi
    };
    for (const auto& c : cases) {
        const double a = angleOf(c[0], c[1]);
        EXPECT_NEAR(a, c[2], 1e-12) << c[0] << ", " << c[1];
        EXPECT_LT(a, 2 * pi);
    }
}

TEST(PoiTest, TruncationSaturatesAndSnapRoundsToTheGrid) {
    EXPECT_EQ(Poi({-3, 0}).midpoint({0, 0}), (Poi{-1, 0}));
    EXPECT_EQ(Poi({3, 4}).rescaled(10), (Poi{6, 8}));
    EXPECT_EQ(Poi({0, 0}).rescaled(10), (Poi{0, 0}));
    EXPECT_EQ(Poi({INT_MIN, INT_MIN}).distance({INT_MAX, INT_MAX}), INT_MAX);
    EXPECT_EQ(Poi({27, 28}).snapped(), (Poi{0, 56}));
    EXPECT_EQ(Poi({83, 84}).snapped(), (Poi{56, 112}));
}

} // namespace
