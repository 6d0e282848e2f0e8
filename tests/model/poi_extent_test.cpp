#include "model/poi_extent.h"

#include <gtest/gtest.h>

namespace {

TEST(PoiExtentTest, WidensByPointsAndNonEmptyBoxesOnly) {
    Poi_Extent box;
    EXPECT_EQ(box.maximum(), (Poi{0, 0}));
    box.add(Poi_Extent());
    EXPECT_FALSE(box.notEmpty);
    box.add(Poi{50, 60});
    box.add(Poi_Extent({70, 10}, {40, 20}));
    box.grow(10);
    EXPECT_EQ(box.minimum(), (Poi{30, 0}));
    EXPECT_EQ(box.maximum(), (Poi{80, 70}));
}

} // namespace
