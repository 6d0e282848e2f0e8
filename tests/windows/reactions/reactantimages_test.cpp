#include "windows/reactions/reactantimages.h"

#include "session/preferences.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace {

int opaquePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() == 255) ++n;
    return n;
}

} // namespace

TEST(ReactantImages, FourConesOnTransparentGround) {
    const ReactantImages images;
    const QImage* all[] = {&images.Ireactant, &images.Ireactant_selected, &images.Ireactant_openair,
                           &images.Ireactant_selected_openair};
    for (const QImage* image : all) {
        EXPECT_EQ(image->size(), QSize(23, 23));
        EXPECT_TRUE(image->hasAlphaChannel());
        EXPECT_EQ(image->pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(image->pixelColor(22, 0).alpha(), 0);
        EXPECT_EQ(image->pixelColor(11, 11).alpha(), 255);
        // A round body of about radius 10 around the centre.
        EXPECT_GT(opaquePixels(*image), 220);
        EXPECT_LT(opaquePixels(*image), 380);
    }
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            EXPECT_NE(*all[i], *all[j]) << i << " " << j;
}

TEST(ReactantImages, TheConeIsLitFromTheUpperLeft) {
    const ReactantImages images;
    for (const QImage* image : {&images.Ireactant, &images.Ireactant_openair}) {
        const QColor lit = image->pixelColor(6, 6), shaded = image->pixelColor(16, 16);
        EXPECT_GT(lit.lightness(), shaded.lightness() + 100);
    }
}

TEST(ReactantImages, OpenAirPairOnlyForTheOpenAirScheme) {
    ReactantImages images;
    const struct {
        int scheme;
        const QImage* normal;
        const QImage* selected;
    } cases[] = {
        {Preferences::systemDefault, &images.Ireactant, &images.Ireactant_selected},
        {Preferences::systemMystery, &images.Ireactant, &images.Ireactant_selected},
        {Preferences::systemOpenAir, &images.Ireactant_openair, &images.Ireactant_selected_openair},
        {Preferences::systemDefault, &images.Ireactant, &images.Ireactant_selected},
    };
    for (const auto& c : cases) {
        images.choose(c.scheme);
        EXPECT_EQ(&images.normal(), c.normal) << c.scheme;
        EXPECT_EQ(&images.selected(), c.selected) << c.scheme;
    }
}

TEST(ReactantImages, ConnectionCursorPointsWithItsTip) {
    const QCursor cursor = ReactantImages::connectionCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(1, 1));
    const QImage image = cursor.pixmap().toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_GT(image.pixelColor(2, 5).alpha(), 0);
    EXPECT_EQ(image.pixelColor(31, 0).alpha(), 0);
}
