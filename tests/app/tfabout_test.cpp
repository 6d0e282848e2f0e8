#include "app/tfabout.h"

#include "app/helpfiles.h"
#include "windows/common/windowlook.h"
#include "windows/windowtest.h"

#include <QFontMetrics>

namespace {

// Rows with dark ink between x = 100 and 400 from y0 to y1.
int inkedRows(const QImage& image, int y0, int y1) {
    int rows = 0;
    for (int y = y0; y < y1; ++y) {
        bool ink = false;
        for (int x = 100; x < 400 && !ink; ++x)
            ink = image.pixelColor(x, y).lightness() < 128;
        rows += ink;
    }
    return rows;
}

TEST(TFaboutTest, TextsFitTheFixedBoxAndAnyClickOrKeyClosesIt) {
    TFabout box("Velumbra", TFabout::versionText, homePageWord, QImage(), TFabout::whiteBand);
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.size(), QSize(525, 278));
    ASSERT_EQ(box.lines().size(), 4);
    EXPECT_EQ(box.lines()[3], "https://velumbra.example.org/");
    const QFontMetrics metrics(uiFont(TFabout::textPixels));
    for (const QString& line : box.lines())
        EXPECT_LE(metrics.horizontalAdvance(line), TFabout::boxWidth - 2 * TFabout::textMargin);
    // A red block of 40 by 30 for the logo: from x = 16, centred on y = 52.
    // Without a version all ink in the band is the title's, in large type.
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(Qt::red);
    QImage image(TFabout::boxWidth, TFabout::boxHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    TFabout("Velumbra", "", "", logo, -1).render(painter);
    EXPECT_TRUE(pixelsAre(image, Qt::red, {{16, 37}, {55, 66}}));
    for (const QPoint outside : {QPoint(15, 52), QPoint(56, 52), QPoint(16, 36), QPoint(16, 67)})
        EXPECT_NE(image.pixelColor(outside), QColor(Qt::red));
    EXPECT_GE(inkedRows(image, 0, 105), 17) << "the title is not clipped";

    box.show();
    QTest::mouseClick(&box, Qt::RightButton, Qt::NoModifier, QPoint(400, 250));
    EXPECT_FALSE(box.isVisible());
    box.show();
    QTest::keyClick(&box, Qt::Key_A);
    EXPECT_FALSE(box.isVisible());
}

} // namespace
