#include "windows/animation/animationrow.h"

#include "model/vreactor.h"
#include "session/animation.h"
#include "windows/animation/animationlook.h"
#include "windows/common/colour.h"
#include "windows/common/windowlook.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(AnimationRow, FieldsAndSwitchFromTheLeftAboveTheBottom) {
    const QRect expected[] = {
        {8, 50, 90, 41},   {104, 50, 90, 41}, {200, 50, 150, 41},
        {356, 50, 90, 41}, {452, 50, 90, 41},
    };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(animationRowItem(i, animationClientHeight), expected[i]) << i;
    // The row keeps its distance from the bottom in any height.
    EXPECT_EQ(animationRowItem(0, 200).bottom(), 200 - 15 - 1);
}

TEST(AnimationRow, ButtonsTwentyWideAndThePlayIndicator) {
    Vreactor system;
    system.components.add(Vcomponent("A", 1, 0));
    Animation animation(system);
    QImage image(animationClientWidth, animationClientHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    AnimationRowRects rects = paintAnimationRow(painter, animation, image.height());
    for (const ValueFieldRects& f : rects.fields) {
        EXPECT_EQ(f.plus.width(), 20);
        EXPECT_EQ(f.minus.width(), 20);
        EXPECT_EQ(f.plus.right(), f.field.right());
        EXPECT_EQ(f.plus.height(), 20); // half of 41, rounded toward zero
        EXPECT_EQ(f.minus.bottom(), f.field.bottom());
    }
    EXPECT_EQ(rects.play, QRect(452, 50, 90, 41));
    const QPoint strip = rects.play.topLeft() + QPoint(3, 20);
    EXPECT_EQ(image.pixelColor(strip), scaleColour(windowColour, indicatorOffShade));

    animation.setAnimated(&system.components[0].initialConcentration);
    rects = paintAnimationRow(painter, animation, image.height());
    painter.end();
    EXPECT_EQ(image.pixelColor(strip), indicatorOnColour);
}
