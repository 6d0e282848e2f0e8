#pragma once

// What the window tests share: Qt's test functions and the widgets the
// windows are made of, the modal dialog helpers and a pixel check.

#include "windows/whenmodal.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using Labels = std::vector<std::string>;

// Whether the image has the colour at every one of the points; a failure
// names the first point that differs and its colour.
inline ::testing::AssertionResult pixelsAre(const QImage& image, const QColor& colour,
                                            std::initializer_list<QPoint> points) {
    for (const QPoint p : points)
        if (image.pixelColor(p) != colour)
            return ::testing::AssertionFailure() << "at " << p.x() << "," << p.y() << ": "
                                                 << image.pixelColor(p).name().toStdString()
                                                 << " instead of " << colour.name().toStdString();
    return ::testing::AssertionSuccess();
}
