#include "model/poi_extent.h"

#include <gtest/gtest.h>

namespace {

TEST(PoiExtentTest, EmptyBoxReadsAsOriginAndIgnoresEmptyBoxes) {
    Poi_Extent box;
    EXPECT_FALSE(box.notEmpty);
    EXPECT_EQ(box.minimum(), (Poi{0, 0}));
    EXPECT_EQ(box.maximum(), (Poi{0, 0}));
    box.add(Poi_Extent());
    EXPECT_FALSE(box.notEmpty);
}

TEST(PoiExtentTest, WidensByPointsBoxesAndGrowth) {
    Poi_Extent box;
    box.add(Poi{50, 60});
    EXPECT_EQ(box.minimum(), (Poi{50, 60}));
    EXPECT_EQ(box.maximum(), (Poi{50, 60}));
    box.add(Poi_Extent({70, 10}, {40, 20}));
    EXPECT_EQ(box.minimum(), (Poi{40, 10}));
    EXPECT_EQ(box.maximum(), (Poi{70, 60}));
    box.grow(10);
    EXPECT_EQ(box.minimum(), (Poi{30, 0}));
    EXPECT_EQ(box.maximum(), (Poi{80, 70}));
}

} // namespace
