#include "windows/reactions/qttextmeasurer.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

TEST(QtTextMeasurer, AnswersWithTheMetricsOfTheDrawingFont) {
    QtTextMeasurer measurer;
    for (int pixels : {11, 13, 17}) {
        const QFontMetrics metrics(QtTextMeasurer::drawingFont(pixels));
        const TextSize size = measurer.measure("0.125 const", pixels, false);
        EXPECT_EQ(size.width, metrics.horizontalAdvance(QStringLiteral("0.125 const")));
        EXPECT_EQ(size.height, metrics.height());
        EXPECT_GE(size.height, pixels);
        // Asked again, from the kept metrics.
        EXPECT_EQ(measurer.measure("0.125 const", pixels, false), size);
    }
    EXPECT_LT(measurer.measure("A", 11, false).width, measurer.measure("A", 17, false).width);
    EXPECT_LT(measurer.measure("A", 11, false).width, measurer.measure("AA", 11, false).width);
    EXPECT_EQ(measurer.measure("", 11, false).width, 0);
}

TEST(QtTextMeasurer, TextsAreWindows1252) {
    QtTextMeasurer measurer;
    const QFontMetrics metrics(QtTextMeasurer::drawingFont(11));
    EXPECT_EQ(measurer.measure("1 \xB1 anim", 11, false).width,
              metrics.horizontalAdvance(QString::fromUtf8("1 \u00B1 anim")));
}

TEST(QtTextMeasurer, WildHeightsStayWithinReason) {
    QtTextMeasurer measurer;
    const TextSize huge = measurer.measure("A", 2000000000, false);
    EXPECT_EQ(huge, measurer.measure("A", 200, false));
    EXPECT_EQ(measurer.measure("A", -5, false), measurer.measure("A", 1, false));
    EXPECT_EQ(QtTextMeasurer::drawingFont(11).pixelSize(), 11);
    EXPECT_TRUE(QtTextMeasurer::drawingFont(11, true).bold());
}
