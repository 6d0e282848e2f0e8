#include "windows/input/tfinputfield.h"

#include "foundation/numberformat.h"
#include "windows/windowtest.h"

#include <QSlider>

namespace {

// A dialog shown without its own modal loop, so the test can drive it.
class InputField : public ::testing::Test {
protected:
    template <typename T> TFinputField& open(T* value, double min, double max, double step) {
        dialog = std::make_unique<TFinputField>(QStringLiteral("Value"));
        dialog->setTarget(value);
        dialog->minValue = min;
        dialog->maxValue = max;
        dialog->step = step;
        dialog->onChange = [this] { ++calls; };
        dialog->show();
        // Qt drops a move to where the pointer already is, and every dialog
        // opens at the same place: start each one off the touch pad.
        QTest::mouseMove(dialog.get(), QPoint(1, 1));
        return *dialog;
    }

    static QPoint pad(int x) { return QPoint(x, 20); }
    void hover(int x) { QTest::mouseMove(dialog->sensor, pad(x)); }
    void drag(int from, int to) {
        hover(from);
        QTest::mousePress(dialog->sensor, Qt::LeftButton, {}, pad(from));
        hover(to);
    }
    void type(const char* text) { QTest::keyClicks(dialog->Evalue, QString::fromLatin1(text)); }

    std::unique_ptr<TFinputField> dialog;
    int calls = 0;
};

} // namespace

TEST_F(InputField, DragHandsOnTheDisplayedValueAndCancelRestores) {
    double value = 1;
    TFinputField& d = open(&value, 0, 10, 0);
    type("4");
    drag(100, 103); // takes the typed value; 3 pixels are no drag yet
    EXPECT_EQ(d.working, 4);
    EXPECT_EQ(calls, 0);
    hover(105);
    EXPECT_EQ(d.working, 4 + 5 * (10.0 / 96) * 0.5);
    EXPECT_EQ(value, parseDouble(formatNumber(d.working)));
    EXPECT_NE(value, d.working);
    hover(105);
    EXPECT_EQ(calls, 1);
    QTest::mouseRelease(d.sensor, Qt::LeftButton, {}, pad(105));
    EXPECT_TRUE(d.isVisible()); // released away from the press
    d.reject();
    EXPECT_EQ(value, 1);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(d.outcome(), 0);

    // Past the maximum and back at once.
    value = 9;
    open(&value, 0, 10, 0).sensMod->setValue(1000); // 50 times the middle
    drag(50, 80);
    EXPECT_EQ(value, 10);
    hover(79);
    EXPECT_LT(value, 10);

    std::int32_t order = 1; // the target is rounded, the working value not
    TFinputField& i = open(&order, 1, 100.5, 10);
    drag(10, 40);
    EXPECT_EQ(i.working, 1 + 30 * (10.0 / 96) * 0.5);
    EXPECT_EQ(order, 3);
}
