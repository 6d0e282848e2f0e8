#include "windows/input/dialogplacement.h"

#include <QMainWindow>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(DialogPlacement, OpensUnderThePointerInsideAreaAndScreen) {
    const QSize size(257, 120);
    const QRect screen(0, 0, 1280, 800);
    struct Case {
        QPoint pointer;
        QRect area;
        QPoint expected;
    };
    const Case cases[] = {
        {{500, 400}, {0, 0, 1280, 800}, {368, 332}},
        {{150, 60}, {100, 50, 800, 600}, {100, 50}},
        {{1270, 790}, {0, 0, 1280, 700}, {1023, 580}},
        {{10, 10}, {100, 100, 200, 50}, {43, 30}}, // far edges win over the origin
        {{10, 10}, {0, 0, 100, 50}, {0, 0}},       // the screen has the last word
        {{1270, 10}, {}, {1023, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dialogPosition(c.pointer, size, c.area, screen), c.expected) << c.pointer.x();
}

TEST(DialogPlacement, ClientAreaIsTheMainWindowsCentralWidget) {
    QMainWindow main;
    main.setGeometry(100, 80, 600, 400);
    main.setCentralWidget(new QWidget);
    QWidget tool(&main, Qt::Tool);
    auto* button = new QPushButton(&tool);
    const QWidget* central = main.centralWidget();
    EXPECT_EQ(ownerClientArea(button), QRect(central->mapToGlobal(QPoint()), central->size()));
    QWidget plain;
    plain.setGeometry(10, 20, 300, 200);
    EXPECT_EQ(ownerClientArea(&plain), QRect(10, 20, 300, 200));
}
