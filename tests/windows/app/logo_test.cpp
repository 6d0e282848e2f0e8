#include "app/logo.h"

#include <gtest/gtest.h>

namespace {

TEST(LogoTest, ARoundedTileAtEverySizeAndAnIcon) {
    for (int side : {16, 32, 72, 256}) {
        SCOPED_TRACE(side);
        const QImage logo = makeLogo(side);
        ASSERT_EQ(logo.size(), QSize(side, side));
        for (const QPoint corner : {QPoint(0, 0), QPoint(side - 1, side - 1)})
            EXPECT_LT(logo.pixelColor(corner).alpha(), 16) << "rounded off";
        EXPECT_EQ(logo.pixelColor(side / 2, 1).alpha(), 255);
    }
    EXPECT_TRUE(makeLogo(0).isNull());
    EXPECT_TRUE(makeLogo(-3).isNull());
    const QList<QSize> sizes = makeLogoIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256)));
}

} // namespace
