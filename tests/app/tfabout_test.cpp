#include "app/tfabout.h"

#include "app/helpfiles.h"
#include "windows/common/windowlook.h"
#include "windows/windowtest.h"

#include <QFontMetrics>

namespace {

TEST(TFaboutTest, TextsFitTheFixedBoxAndAnyClickOrKeyClosesIt) {
    TFabout box("Velumbra", TFabout::versionText, homePageWord, QImage(), TFabout::whiteBand);
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.size(), QSize(525, 278));
    ASSERT_EQ(box.lines().size(), 4);
    EXPECT_EQ(box.lines()[3], "https://velumbra.example.org/");
    const QFontMetrics metrics(uiFont(TFabout::textPixels));
    for (const QString& line : box.lines())
        EXPECT_LE(metrics.horizontalAdvance(line), TFabout::boxWidth - 2 * TFabout::textMargin);
    box.show();
    QTest::mouseClick(&box, Qt::RightButton, Qt::NoModifier, QPoint(400, 250));
    EXPECT_FALSE(box.isVisible());
    box.show();
    QTest::keyClick(&box, Qt::Key_A);
    EXPECT_FALSE(box.isVisible());
}

} // namespace
