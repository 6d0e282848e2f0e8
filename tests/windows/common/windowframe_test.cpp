#include "windows/common/windowframe.h"
#include "windows/common/windowlook.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(PaintFrame, ShadesTheEdgesFillsOnRequestAndFramesInBlack) {
    for (bool fill : {false, true}) {
        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter painter(&image);
        paintFrame(painter, 60, 40, fill);
        painter.end();
        const QColor middle = fill ? windowColour : QColor(Qt::red);
        struct Case {
            int x, y;
            QColor expected;
        };
        const Case cases[] = {
            {0, 0, Qt::black},
            {59, 39, Qt::black},
            {0, 20, Qt::black},
            {59, 20, Qt::black},
            {1, 1, QColor(250, 245, 236)}, // window colour * 1.18
            {58, 1, QColor(250, 245, 236)},
            {30, 9, QColor(216, 212, 204)}, // * 1.02
            {30, 38, QColor(174, 171, 164)},
            {30, 30, QColor(208, 204, 196)}, // * 0.82, * 0.98
            {1, 10, middle},
            {58, 29, middle},
        };
        for (const Case& c : cases)
            EXPECT_EQ(image.pixelColor(c.x, c.y), c.expected) << c.x << "," << c.y << " " << fill;
    }
}

TEST(ApplyWindowColours, ColoursTheWindowAndEachKindOfChildControl) {
    QWidget window;
    auto* list = new QListWidget(&window);
    auto* label = new QLabel(&window);
    auto* check = new QCheckBox(&window);
    auto* button = new QPushButton(&window);
    applyWindowColours(&window);
    EXPECT_EQ(window.palette().color(QPalette::Window), windowColour);
    for (QWidget* w : {static_cast<QWidget*>(list), static_cast<QWidget*>(label),
                       static_cast<QWidget*>(check), static_cast<QWidget*>(button)})
        EXPECT_EQ(w->palette().color(QPalette::ButtonText), Qt::black);
    EXPECT_EQ(list->palette().color(QPalette::Text), Qt::black);
    EXPECT_EQ(list->palette().color(QPalette::Base), Qt::white);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), Qt::black);
    EXPECT_EQ(check->palette().color(QPalette::Window), windowColour);
}
