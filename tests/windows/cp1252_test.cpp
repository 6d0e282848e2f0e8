#include "windows/common/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(Cp1252, MapsTheWindowsRangeAndReplacesTheRest) {
    EXPECT_EQ(fromCp1252("\x80 \xb1 \x96"), QString::fromUtf8("\u20ac \u00b1 \u2013"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("\u20ac\u00e9\u4e2d")), "\x80\xe9?");
}
