#include "windows/common/colour.h"
#include "windows/common/windowlook.h"
#include "windows/windowtest.h"

TEST(Colour, ModelColoursKeepRedInTheLowByte) {
    EXPECT_EQ(toQColor(0x7FC8D0D4), QColor(212, 208, 200)); // the top byte is no channel
    EXPECT_EQ(fromQColor(QColor(1, 2, 3)), 0x030201);
}

TEST(Colour, ScalingRoundsToNearestAndStaysInRange) {
    EXPECT_EQ(scaleColour(windowColour, 0.87), QColor(184, 181, 174));
    EXPECT_EQ(scaleColour(QColor(1, 3, 5), 0.5), QColor(1, 2, 3)); // halves round up
    EXPECT_EQ(scaleColour(windowColour, 2.0), QColor(255, 255, 255));
    EXPECT_EQ(scaleColour(windowColour, -1.0), QColor(0, 0, 0));
    EXPECT_EQ(scaleColour(windowColour, std::numeric_limits<double>::quiet_NaN()), QColor(0, 0, 0));
}
