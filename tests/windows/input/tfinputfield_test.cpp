#include "windows/input/tfinputfield.h"

#include "foundation/numberformat.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

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
    void click(int x, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(dialog->sensor, b, {}, pad(x));
    }
    void type(const char* text) { QTest::keyClicks(dialog->Evalue, QString::fromLatin1(text)); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(dialog->Evalue, k, m); }

    std::unique_ptr<TFinputField> dialog;
    int calls = 0;
};

} // namespace

TEST_F(InputField, OpensWithTouchPadOrShortWithoutIt) {
    double value = 2;
    TFinputField& d = open(&value, 0, 10, 0);
    EXPECT_EQ(d.size(), QSize(257, 98));
    EXPECT_EQ(d.sensor->palette().color(QPalette::Window), QColor(184, 181, 174));
    EXPECT_EQ(d.Evalue->selectedText(), QStringLiteral("2"));

    TFinputField numbers(QString{});
    numbers.setTarget(&value);
    numbers.step = -1;
    numbers.placeUnderPointer(QPoint(400, 300), QRect(0, 0, 800, 600));
    numbers.show();
    EXPECT_EQ(numbers.pos(), QPoint(400 - 132, 300 - 68 + 31));
    EXPECT_EQ(numbers.height(), numbers.Bcancel->geometry().bottom() + 1 + 11);
    EXPECT_TRUE(numbers.sensor->isHidden() && numbers.sensMod->isHidden());
    EXPECT_TRUE(numbers.windowFlags() & Qt::FramelessWindowHint);

    std::string name = "A";
    TFinputField text(QStringLiteral("Name"));
    text.setTarget(&name);
    text.maxValue = 5.9;
    text.show();
    EXPECT_TRUE(text.sensor->isHidden());
    EXPECT_EQ(text.Evalue->maxLength(), 5);
}

TEST_F(InputField, DragHandsOnTheDisplayedValueAndCancelRestores) {
    double value = 1;
    TFinputField& d = open(&value, 0, 10, 0);
    drag(100, 103);
    EXPECT_EQ(calls, 0); // 3 pixels are no drag yet
    hover(105);
    EXPECT_EQ(d.working, 1 + 5 * (10.0 / 96) * 0.5);
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
}

TEST_F(InputField, DragPastTheMaximumComesBackAtOnce) {
    double value = 9;
    TFinputField& d = open(&value, 0, 10, 0);
    d.sensMod->setValue(1000); // 50 times the middle
    drag(50, 80);
    EXPECT_EQ(value, 10);
    hover(79);
    EXPECT_LT(value, 10);
}

TEST_F(InputField, IntegerDragRoundsTheTargetButNotTheWorkingValue) {
    std::int32_t order = 1;
    TFinputField& d = open(&order, 1, 100.5, 10);
    drag(10, 40);
    EXPECT_EQ(d.working, 1 + 30 * (10.0 / 96) * 0.5);
    EXPECT_EQ(order, 3);
    hover(41);
    EXPECT_EQ(calls, 1);
}

TEST_F(InputField, CtrlEnterAppliesAndCancelRestores) {
    double value = 2;
    TFinputField& d = open(&value, 0, 10, 0);
    type("3.5");
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(value, 3.5);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(d.isVisible());
    QTest::mouseClick(d.Bcancel, Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(value, 2);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(d.Evalue->text(), QStringLiteral("2"));
    EXPECT_EQ(d.outcome(), 0);
}

TEST_F(InputField, KeysAndButtonsEndTheDialog) {
    struct Case {
        const char* typed;
        Qt::Key key; // Qt::Key_unknown: click OK instead
        double value;
        int calls, outcome;
    };
    const Case cases[] = {
        {"7", Qt::Key_Return, 7, 1, 2},   {"7", Qt::Key_Enter, 7, 1, 2},
        {"7", Qt::Key_unknown, 7, 1, 2},  {"", Qt::Key_unknown, 2, 0, 1},
        {"7", Qt::Key_Escape, 2, 0, 0},   {"20", Qt::Key_Return, 2, 0, 1}, // out of range
        {"2.0", Qt::Key_Return, 2, 0, 1},
    };
    for (const Case& c : cases) {
        double value = 2;
        calls = 0;
        TFinputField& d = open(&value, 0, 10, 0);
        type(c.typed);
        c.key == Qt::Key_unknown ? QTest::mouseClick(d.Bok, Qt::LeftButton) : key(c.key);
        EXPECT_FALSE(d.isVisible()) << c.typed << " " << c.key;
        EXPECT_EQ(value, c.value) << c.typed << " " << c.key;
        EXPECT_EQ(calls, c.calls) << c.typed << " " << c.key;
        EXPECT_EQ(d.outcome(), c.outcome) << c.typed << " " << c.key;
        EXPECT_EQ(d.Evalue->text().toDouble(), c.value) << c.typed << " " << c.key;
    }
}

TEST_F(InputField, ClickOnThePadAcceptsOnlyWhenArmed) {
    struct Case {
        const char* what;
        std::vector<int> hovers; // then the clicks, negative x for the right button
        std::vector<int> clicks;
        bool open;
    };
    const Case cases[] = {
        {"first click at the opening spot", {100}, {100}, true},
        {"second click there", {100}, {100, 100}, false},
        {"small moves", {100, 103}, {103}, true},
        {"moved away first", {100, 104}, {104}, false},
        {"moved back", {100, 110, 100}, {100}, false},
        {"right click", {100}, {-100}, false},
        {"right click without hover", {}, {-30}, false},
    };
    for (const Case& c : cases) {
        double value = 2;
        TFinputField& d = open(&value, 0, 10, 0);
        for (int x : c.hovers)
            hover(x);
        for (int x : c.clicks)
            click(std::abs(x), x < 0 ? Qt::RightButton : Qt::LeftButton);
        EXPECT_EQ(d.isVisible(), c.open) << c.what;
        EXPECT_EQ(d.outcome(), c.open ? 0 : 1) << c.what;
    }
}

TEST_F(InputField, PressOnThePadTakesTheTypedValueFirst) {
    double value = 2;
    TFinputField& d = open(&value, 0, 10, 0);
    type("4");
    drag(100, 100);
    EXPECT_EQ(value, 4);
    EXPECT_EQ(d.working, 4);
}

TEST_F(InputField, TextModeStoresTheTextAndNeverNotifies) {
    std::string name = "A";
    open(&name, 0, 100, 0);
    QTest::keyClicks(dialog->Evalue, QStringLiteral("Caf"));
    QTest::sendKeyEvent(QTest::Click, dialog->Evalue, Qt::Key_Eacute, QString::fromUtf8("\u00e9"),
                        {});
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(name, "Caf\xe9");
    dialog->reject();
    EXPECT_EQ(name, "A");
    EXPECT_EQ(calls, 0);
}

TEST_F(InputField, UnchangedNaNCountsAsUnchanged) {
    double value = std::numeric_limits<double>::quiet_NaN();
    TFinputField& d = open(&value, 0, 10, 0);
    QTest::mouseClick(d.Bok, Qt::LeftButton);
    EXPECT_EQ(d.outcome(), 1);
    EXPECT_EQ(calls, 0);
}
