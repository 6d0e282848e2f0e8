#include "windows/input/dialogplacement.h"
#include "windows/windowtest.h"

TEST(DialogPlacement, OpensUnderThePointerInsideAreaAndScreen) {
    const QSize size(257, 120);
    const QRect screen(0, 0, 1280, 800);
    // pointer, client area, position
    const std::tuple<QPoint, QRect, QPoint> cases[] = {
        {{500, 400}, {0, 0, 1280, 800}, {368, 332}},
        {{150, 60}, {100, 50, 800, 600}, {100, 50}},
        {{1270, 790}, {0, 0, 1280, 700}, {1023, 580}},
        {{10, 10}, {100, 100, 200, 50}, {43, 30}}, // far edges win over the origin
        {{10, 10}, {0, 0, 100, 50}, {0, 0}},       // the screen has the last word
        {{1270, 10}, {}, {1023, 0}},
    };
    for (const auto& [pointer, area, expected] : cases)
        EXPECT_EQ(dialogPosition(pointer, size, area, screen), expected) << pointer.x();
}
