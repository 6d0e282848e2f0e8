#include "windows/common/buttonlook.h"
#include "windows/common/colour.h"
#include "windows/windowtest.h"

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
