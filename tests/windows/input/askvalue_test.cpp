#include "windows/input/askvalue.h"

#include "windows/input/tfinputfield.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Runs action on the value dialog once its modal loop runs. Should the
// dialog not be found, every open one is cancelled so the test cannot hang.
void whenOpen(std::function<void(TFinputField&)> action) {
    QTimer::singleShot(0, [action] {
        if (auto* dialog = qobject_cast<TFinputField*>(QApplication::activeModalWidget())) {
            action(*dialog);
            return;
        }
        ADD_FAILURE() << "the value dialog is not the active modal window";
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<TFinputField*>(w)) dialog->reject();
    });
}

} // namespace

TEST(AskValue, MultiplyingByOneReturnsOneFromTheShortDialog) {
    double factor = 1.0;
    bool shortDialog = false;
    whenOpen([&](TFinputField& d) {
        shortDialog = d.sensor->isHidden() && d.height() < 98;
        QTest::mouseClick(d.Bok, Qt::LeftButton);
    });
    EXPECT_EQ(askNumber("Multiply rate constants by", &factor, nullptr, 0, 1e100, -1, -1), 1);
    EXPECT_EQ(factor, 1.0);
    EXPECT_TRUE(shortDialog);
    EXPECT_EQ(askNumber("Value", nullptr, nullptr, 0, 10, 0, -1), 0);
}

TEST(AskValue, LawSelectsTheDrag) {
    struct Case {
        int law;
        bool integer, logarithmic, adaptive;
    };
    const Case cases[] = {
        {0, false, false, false}, {1, false, true, false}, {-2, false, true, true},
        {-1, false, true, false}, {1, true, true, false},  {-2, true, false, true},
        {-1, true, false, false},
    };
    for (const Case& c : cases) {
        bool logarithmic = !c.logarithmic, adaptive = !c.adaptive;
        whenOpen([&](TFinputField& d) {
            logarithmic = d.logarithmic;
            adaptive = d.adaptive;
            d.reject();
        });
        double number = 1;
        std::int32_t integer = 1;
        EXPECT_EQ(c.integer ? askInteger("Order", &integer, nullptr, 1, 100, 10, c.law)
                            : askNumber("Value", &number, nullptr, 0, 10, 0, c.law),
                  0);
        EXPECT_EQ(logarithmic, c.logarithmic) << c.law << " " << c.integer;
        EXPECT_EQ(adaptive, c.adaptive) << c.law << " " << c.integer;
    }
}

TEST(AskValue, TextIsAskedWithAWindows1252TitleAndLengthLimit) {
    std::string name = "A";
    QString title;
    whenOpen([&](TFinputField& d) {
        title = d.windowTitle();
        QTest::keyClicks(d.Evalue, QStringLiteral("Benzene"));
        QTest::keyClick(d.Evalue, Qt::Key_Return);
    });
    EXPECT_EQ(askText("Rename component Caf\xe9", &name, nullptr, 0, 4.9, -1, -1), 2);
    EXPECT_EQ(title, QString::fromUtf8("Rename component Caf\u00e9"));
    EXPECT_EQ(name, "Benz");
}
