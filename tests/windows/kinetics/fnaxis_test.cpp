#include "windows/kinetics/fnaxis.h"
#include "windows/windowtest.h"

TEST(FnAxis, PositionsOfDegenerateAxesAndPixelRounding) {
    // min, max, log, decades, value, position
    const std::tuple<double, double, bool, double, double, double> cases[] = {
        {-1, 1, false, 3, 0, 0.5},
        {0, 10, false, 3, -5, -0.5},
        {0, 100, true, 2, 10, 0.5},
        // minimum = maximum: the middle; no decades: one constant position;
        // a maximum <= 0 leaves only the decades scale
        {4, 4, false, 3, 1e9, 0.5},
        {0, 10, true, 0, 5, 1},
        {0, 0, true, 2, 100, 1},
    };
    for (const auto& [min, max, log, decades, v, expected] : cases) {
        FnAxis axis;
        axis.set(min, max, log, decades, false);
        EXPECT_NEAR(axis.normalised(v), expected, 1e-15) << min << ".." << max;
    }
    FnAxis log;
    log.set(0, 1, true, 3, false);
    EXPECT_TRUE(std::isnan(log.normalised(0)));
    EXPECT_EQ(FnAxis::verticalPixel(log.normalised(-1), 100), -1);
    EXPECT_EQ(FnAxis::verticalPixel(0, 50), 50);
    // 0.4 of a row rounds up only through the added tenth.
    EXPECT_EQ(FnAxis::horizontalPixel(0.04, 10), 0);
    EXPECT_EQ(FnAxis::verticalPixel(0.96, 10), 1);
    EXPECT_EQ(FnAxis::horizontalPixel(1e300, 100), 1000000);
}
