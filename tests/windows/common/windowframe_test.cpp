#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"
#include "windows/windowtest.h"

TEST(PaintFrame, ShadesTheEdgesFillsOnRequestAndFramesInBlack) {
    for (bool fill : {false, true}) {
        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter painter(&image);
        paintFrame(painter, 60, 40, fill);
        painter.end();
        const QColor middle = fill ? windowColour : QColor(Qt::red);
        EXPECT_TRUE(pixelsAre(image, Qt::black, {{0, 0}, {59, 39}, {0, 20}}));
        // The window colour times 1.18 and 1.02 at the top, 0.82 and 0.98
        // at the bottom.
        EXPECT_TRUE(pixelsAre(image, QColor(250, 245, 236), {{58, 1}}));
        EXPECT_TRUE(pixelsAre(image, QColor(216, 212, 204), {{30, 9}}));
        EXPECT_TRUE(pixelsAre(image, QColor(174, 171, 164), {{30, 38}}));
        EXPECT_TRUE(pixelsAre(image, QColor(208, 204, 196), {{30, 30}}));
        EXPECT_TRUE(pixelsAre(image, middle, {{1, 10}, {58, 29}})) << fill;
    }
}
