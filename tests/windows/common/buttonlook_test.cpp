#include "windows/common/buttonlook.h"
#include "windows/common/colour.h"
#include "windows/windowtest.h"

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
    // The box: the middle row halfway from 1.1 to 0.9, its edges lit and
    // shaded; a light text gets a darker box; the "+" button's lit edge.
    const QColor box = scaleColour(windowColour, 0.9);
    EXPECT_TRUE(pixelsAre(image, box, {{140, 30}}));
    EXPECT_TRUE(pixelsAre(image, scaleColour(box, 1.2), {{140, 10}}));
    EXPECT_TRUE(pixelsAre(image, scaleColour(box, 0.8), {{140, 50}}));
    EXPECT_TRUE(pixelsAre(image, scaleColour(windowColour, 0.75), {{100, 75}}));
    EXPECT_TRUE(pixelsAre(image, scaleColour(windowColour, 1.2), {{185, 10}}));
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
