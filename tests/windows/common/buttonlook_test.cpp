#include "windows/common/buttonlook.h"
#include "windows/common/colour.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(ButtonLook, ValueFieldHasBevelButtonsAndShadeByTextColour) {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    const ValueFieldRects dark = paintValueField(painter, {10, 10, 180, 41}, "Time", "1.5", 40);
    const ValueFieldRects light =
        paintValueField(painter, {10, 55, 100, 41}, "Status", "ok", 0, true);
    painter.end();
    EXPECT_EQ(dark.plus, QRect(150, 10, 40, 20));
    EXPECT_EQ(dark.minus, QRect(150, 30, 40, 21));
    EXPECT_TRUE(light.plus.isEmpty());
    const QColor box = scaleColour(windowColour, 0.9);
    EXPECT_EQ(image.pixelColor(140, 30), box); // the middle row, halfway from 1.1 to 0.9
    EXPECT_EQ(image.pixelColor(140, 10), scaleColour(box, 1.2));
    EXPECT_EQ(image.pixelColor(140, 50), scaleColour(box, 0.8));
    EXPECT_EQ(image.pixelColor(100, 75), scaleColour(windowColour, 0.75));
    EXPECT_EQ(image.pixelColor(185, 10), scaleColour(windowColour, 1.2)); // the "+" button
    EXPECT_EQ(image.pixelColor(190, 30), Qt::red);
}

TEST(ButtonLook, SwitchIndicatorStripShowsTheState) {
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    paintSwitch(painter, {0, 0, 60, 30}, "On", true);
    paintSwitch(painter, {0, 40, 60, 30}, "Off", false);
    paintSwitchWithoutIndicator(painter, {100, 0, 60, 30}, "Cancel");
    painter.end();
    const QColor on = indicatorOnColour;
    // The strip spans x 2..4 and y 2..h-2.
    for (QPoint p : {QPoint(2, 2), QPoint(4, 28)})
        EXPECT_EQ(image.pixelColor(p), on) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(1, 15), QPoint(5, 15), QPoint(3, 1), QPoint(3, 29), QPoint(103, 15)})
        EXPECT_NE(image.pixelColor(p), on) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixelColor(3, 55), scaleColour(windowColour, 0.6));
}

TEST(ButtonLook, ALongValueShrinksToStayClearOfTheButtons) {
    QImage image(160, 41, QImage::Format_RGB32);
    QPainter painter(&image);
    const ValueFieldRects r =
        paintValueField(painter, {0, 0, 150, 41}, "Motion", "Up & Down Exp", 20);
    painter.end();
    // The last columns before the buttons keep the field's shade: the text
    // ends before them instead of being cut there.
    int inkNearEdge = 0;
    for (int y = 20; y < 38; ++y)
        for (int x = r.plus.left() - 4; x < r.plus.left(); ++x)
            inkNearEdge += image.pixelColor(x, y).lightness() < 120;
    EXPECT_EQ(inkNearEdge, 0);
    int ink = 0;
    for (int y = 20; y < 38; ++y)
        for (int x = 5; x < 40; ++x)
            ink += image.pixelColor(x, y).lightness() < 120;
    EXPECT_GT(ink, 20) << "the value is drawn";
}
