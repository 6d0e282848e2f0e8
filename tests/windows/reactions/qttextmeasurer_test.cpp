#include "windows/reactions/qttextmeasurer.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

TEST(QtTextMeasurer, AnswersWithTheDrawingFontForWindows1252TextsOfAnyHeight) {
    QtTextMeasurer measurer;
    const QFontMetrics metrics(QtTextMeasurer::drawingFont(17));
    const TextSize size = measurer.measure("1 \xB1 anim", 17, false);
    EXPECT_EQ(size.width, metrics.horizontalAdvance(QString::fromUtf8("1 \u00B1 anim")));
    EXPECT_EQ(size.height, metrics.height());
    EXPECT_EQ(measurer.measure("1 \xB1 anim", 17, false), size); // from the kept metrics
    EXPECT_EQ(measurer.measure("A", 2000000000, false), measurer.measure("A", 200, false));
    EXPECT_EQ(measurer.measure("A", -5, false), measurer.measure("A", 1, false));
}
