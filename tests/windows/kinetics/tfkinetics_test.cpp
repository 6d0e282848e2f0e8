#include "windows/kinetics/tfkinetics.h"

#include "session/animation.h"
#include "session/preferences.h"
#include "support/eventlog.h"
#include "support/recordingmessagesink.h"
#include "support/recordingundo.h"
#include "support/tempdir.h"
#include "windows/kinetics/plotdata.h"
#include "windows/windowtest.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>

namespace {

class TFkineticsTest : public ::testing::Test, public PlotData {
protected:
    TFkineticsTest()
        : animation(system), preferences(folder.path()),
          window(system, reactor, calculation, observation, view, animation, preferences, undo) {
        eventRegistry().clear();
        registerReceiver(&events);
        setTimes({0, 1, 2, 3, 4});
        addSeries("A", 0x0000FF, {1, 0.75, 0.5, 0.25, 0});
        addSeries("B", 0xFF0000, {0, 0.25, 0.5, 0.75, 1});
        window.resize(520, 300);
        window.show();
        window.refresh();
    }
    ~TFkineticsTest() override { eventRegistry().clear(); }

    void click(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(p), window.mapToGlobal(QPointF(p)),
                          button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &press);
    }
    void click(KineticsControls::Control c) { click(window.controls().rect(c).center()); }
    void clickMarker(const Llist<QRect>& markers, int i) {
        click(markers[i].center() + window.controls().plot.topLeft());
    }
    QAction* item(QMenu& menu, const QString& submenu, const QString& text) {
        for (QAction* a : menu.actions()) {
            if (submenu.isEmpty() && a->text() == text) return a;
            if (a->menu() && a->menu()->title() == submenu)
                for (QAction* b : a->menu()->actions())
                    if (b->text() == text) return b;
        }
        return nullptr;
    }
    // Replaces the value dialog: types `typed` and ends with `outcome`.
    void answerBounds(double typed, int outcome) {
        window.askBound = [=](const std::string&, double* value,
                              const std::function<void()>& onChange, double, double, double, int,
                              QWidget*) {
            *value = typed;
            onChange();
            return outcome;
        };
    }
    TempDir folder;
    Animation animation;
    Preferences preferences;
    RecordingUndo undo;
    EventLog events;
    TFkinetics window;
};

} // namespace

TEST_F(TFkineticsTest, ToggleButtonsAndTheRememberedZeroMinimum) {
    click(KineticsControls::autoX);
    click(KineticsControls::autoY); // manual 0..1 as last shown
    click(KineticsControls::logY);
    EXPECT_EQ(view.minY, 1 * 0.001); // at the paint: three decades below the maximum
    click(KineticsControls::logY);
    EXPECT_EQ(view.minY, 0);
    click(window.controls().logXButton.center(), Qt::RightButton);
    EXPECT_FALSE(view.logX);

    // A minimum edited while the axis is logarithmic stays.
    click(KineticsControls::logY);
    answerBounds(0.05, 2);
    click(KineticsControls::minY);
    click(KineticsControls::logY);
    EXPECT_EQ(view.minY, 0.05);
    EXPECT_EQ(undo.labels, (Labels{"Toggle auto x axis", "Toggle auto y axis", "Toggle log y axis",
                                   "Toggle log y axis", "Toggle log y axis",
                                   "Change y axis minimum", "Toggle log y axis"}));
}

TEST_F(TFkineticsTest, AHiddenWindowDrawsOnlyWhenShownAgain) {
    window.hide();
    addSeries("C", 0x00FF00, {0, 0, 0, 0, 0});
    window.refresh();
    EXPECT_EQ(window.legend().visibilityMarkers.count(), 2);
    window.show();
    window.grab();
    EXPECT_EQ(window.legend().visibilityMarkers.count(), 3);
}

TEST_F(TFkineticsTest, ReferenceRatesAndYScalesFromTheOptionsMenu) {
    addReaction(system, {{0, 1, -1}, {1, 1, 1}}, 2);
    QMenu menu;
    window.fillOptionsMenu(menu);
    for (const char* text : {"Reference Solution", "Reaction Rates", "ln c", "1/c"})
        EXPECT_FALSE(item(menu, "", text)->isChecked()) << text;
    item(menu, "", "Reference Solution")->trigger();
    EXPECT_TRUE(view.referenceSolution);
    EXPECT_EQ(events.events, std::vector<int>{parametersChanged}) << "recomputed with the kinetics";

    view.logY = true;
    item(menu, "", "ln c")->trigger();
    EXPECT_EQ(std::tuple(view.yScale, view.logY), std::tuple(1, false))
        << "a scale of a linear axis";
    item(menu, "", "1/c")->trigger();
    EXPECT_EQ(view.yScale, KineticsView::inverseConcentration);
    item(menu, "", "1/c")->trigger();
    EXPECT_EQ(view.yScale, KineticsView::concentration);
    item(menu, "", "ln c")->trigger();
    click(KineticsControls::logY);
    EXPECT_EQ(std::tuple(view.yScale, view.logY), std::tuple(0, true));

    item(menu, "", "Reaction Rates")->trigger();
    EXPECT_TRUE(view.reactionRates);
    // The rate legend hides v1, not the component A in the same row.
    clickMarker(window.legend().visibilityMarkers, 0);
    EXPECT_EQ(window.hiddenRates, std::vector<bool>{true});
    EXPECT_TRUE(system.uniqueComponent(0).monitor);
    EXPECT_EQ(undo.labels,
              (Labels{"Toggle reference solution", "Change y axis scale", "Change y axis scale",
                      "Change y axis scale", "Change y axis scale", "Toggle log y axis",
                      "Toggle reaction rates"}));
}

// The picture as shown, in a file, on the clipboard and on a printer (the
// vector files by type are the headless command's tests).
TEST_F(TFkineticsTest, SavePlotImageCopyAndPrint) {
    QMenu menu;
    window.fillOptionsMenu(menu);
    RecordingMessageSink messages;
    QString name = QString::fromStdString(folder.file("plot"));
    window.chooseImageFile = [&] { return name; };
    item(menu, "", "Save Plot Image...")->trigger();
    EXPECT_EQ(QImage(name + ".png").convertToFormat(QImage::Format_RGB32), window.plotBitmap());
    item(menu, "", "Copy Plot")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              window.plotBitmap());
    // Printed into a PDF file in place of a printer.
    const std::string printed = folder.file("printed.pdf");
    window.setUpPrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printed));
        return true;
    };
    item(menu, "", "Print...")->trigger();
    EXPECT_EQ(readFileBytes(printed).substr(0, 4), "%PDF");
    name = QString::fromStdString(folder.file("missing/plot.png"));
    item(menu, "", "Save Plot Image...")->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("Failed to save plot image: ", 0), 0u);
    EXPECT_TRUE(undo.labels.empty());
}
