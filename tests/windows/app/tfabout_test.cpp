#include "app/tfabout.h"

#include "app/helpfiles.h"
#include "windows/common/windowlook.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QImage rendered(const TFabout& box) {
    QImage image(TFabout::boxWidth, TFabout::boxHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    box.render(painter);
    return image;
}

// Gradients may round a step away from their end colours.
bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
           std::abs(a.blue() - b.blue()) <= 2;
}

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

TEST(TFaboutTest, BorderlessBoxCentredOnTheScreenWithItsTexts) {
    TFabout box("Velumbra", TFabout::versionText, homePageWord, QImage(), TFabout::whiteBand);
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(box.size(), QSize(525, 278));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    const QPoint offset =
        box.geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 1);

    EXPECT_STREQ(TFabout::versionText, "Version 2.4.0");
    EXPECT_EQ(box.lines(),
              (QStringList{"Please feel free to tell us about any usability issues and features",
                           "you would like to see: support@velumbra.example.org",
                           "Please be sure to include your name, company and version number in "
                           "your mail.",
                           "https://velumbra.example.org/"}));
    const QFontMetrics metrics(uiFont(TFabout::textPixels));
    for (const QString& line : box.lines())
        EXPECT_LE(metrics.horizontalAdvance(line), TFabout::boxWidth - 2 * TFabout::textMargin);
    // Without a version all ink in the band is the title's, in large type.
    EXPECT_GE(inkedRows(rendered(TFabout("Velumbra", "", "", QImage(), -1)), 0, 105), 17)
        << "the title is not clipped";
}

TEST(TFaboutTest, BandLogoAndRule) {
    for (const auto& [band, top] : {std::pair{TFabout::defaultBandColour, QColor(236, 236, 255)},
                                    {TFabout::whiteBand, QColor(Qt::white)},
                                    {0x0000FF, QColor(255, 0, 0)}}) {
        SCOPED_TRACE(band);
        const QImage image = rendered(TFabout("V", "", "", QImage(), band));
        EXPECT_TRUE(near(image.pixelColor(520, 0), top));
        const QColor low = image.pixelColor(520, 100);
        EXPECT_LE(low.lightness(), top.lightness()) << "shaded within the band";
        EXPECT_GE(low.lightness(), top.lightness() * 9 / 10);
        EXPECT_TRUE(near(image.pixelColor(520, 106), Qt::white)) << "the lower area is its own";
    }

    // A red block of 40 by 30 for the logo: from x = 16, centred on y = 52.
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(Qt::red);
    const QImage image = rendered(TFabout("V", "", homePageWord, logo, -1));
    EXPECT_EQ(image.pixelColor(16, 37), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(55, 66), QColor(Qt::red));
    for (const QPoint outside : {QPoint(15, 52), QPoint(56, 52), QPoint(16, 36), QPoint(16, 67)})
        EXPECT_NE(image.pixelColor(outside), QColor(Qt::red));

    int ruleRows = 0;
    for (int y = TFabout::bandHeight; y < TFabout::boxHeight; ++y)
        ruleRows += image.pixelColor(300, y) == TFabout::ruleColour;
    EXPECT_EQ(ruleRows, 1) << "one grey line below the texts";
}

TEST(TFaboutTest, AnyClickOrKeyCloses) {
    for (const bool key : {false, true}) {
        TFabout box("Velumbra", TFabout::versionText, homePageWord, QImage(), -1);
        box.show();
        if (key)
            QTest::keyClick(&box, Qt::Key_A);
        else
            QTest::mouseClick(&box, Qt::RightButton, Qt::NoModifier, QPoint(400, 250));
        EXPECT_FALSE(box.isVisible()) << key;
    }
}

} // namespace
