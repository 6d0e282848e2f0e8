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
    // Replaces the value dialog: types `typed`, then ends with `outcome`,
    // restoring the value on cancel as the dialog does.
    void answerBounds(double typed, int outcome) {
        window.askBound = [=, this](const std::string& title, double* value,
                                    const std::function<void()>& onChange, double min, double max,
                                    double, int, QWidget*) {
            asked.push_back(title);
            EXPECT_EQ(min, -1e100);
            EXPECT_EQ(max, 1e100);
            autoWhileAsked = view.autoX && view.autoY;
            const double before = *value;
            *value = typed;
            onChange();
            afterLiveChange = *value;
            if (outcome == 0) *value = before;
            return outcome;
        };
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

    TempDir folder;
    Animation animation;
    Preferences preferences;
    RecordingUndo undo;
    EventLog events;
    TFkinetics window;
    Labels asked;
    bool autoWhileAsked = true;
    double afterLiveChange = 0;
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

TEST_F(TFkineticsTest, BoundEditingLeavesAutoModeAndCancelRestoresIt) {
    // Typed -2: only min y may stay negative.
    const std::tuple<KineticsControls::Control, const char*, const char*, double> cases[] = {
        {KineticsControls::minY, "Y axis minimum", "Change y axis minimum", -2},
        {KineticsControls::maxY, "Y axis maximum", "Change y axis maximum", 0},
        {KineticsControls::minX, "X axis minimum", "Change x axis minimum", 0},
        {KineticsControls::maxX, "X axis maximum", "Change x axis maximum", 0}};
    for (const auto& [field, title, label, live] : cases) {
        for (int outcome : {0, 1, 2}) {
            view.autoX = view.autoY = true;
            undo.labels.clear();
            asked.clear();
            answerBounds(-2, outcome);
            click(field);
            EXPECT_EQ(asked, Labels{title});
            EXPECT_FALSE(autoWhileAsked) << title;
            EXPECT_EQ(afterLiveChange, live) << title;
            EXPECT_EQ(view.autoX && view.autoY, outcome == 0) << title << outcome;
            EXPECT_EQ(undo.labels, outcome == 0 ? Labels{} : Labels{label}) << title << outcome;
        }
    }
}

TEST_F(TFkineticsTest, LegendMarkersToggleVisibilityAndTheXAxis) {
    clickMarker(window.legend().visibilityMarkers, 1);
    EXPECT_FALSE(system.uniqueComponent(1).monitor);
    clickMarker(window.legend().xAxisMarkers, 0);
    EXPECT_EQ(system.asXIndex(), 0);
    clickMarker(window.legend().xAxisMarkers, 1);
    EXPECT_EQ(system.asXIndex(), 1);
    clickMarker(window.legend().xAxisMarkers, 1);
    EXPECT_EQ(system.asXIndex(), -1); // back to time
    click(window.controls().plot.center());
    EXPECT_EQ(undo.labels, (Labels{"Change component visibility", "Change x axis", "Change x axis",
                                   "Change x axis"}));
}

TEST_F(TFkineticsTest, OptionsMenuAndSavePlotImage) {
    QMenu menu;
    window.fillOptionsMenu(menu);
    EXPECT_TRUE(item(menu, "Time Stripes", "30")->isChecked());
    item(menu, "Decades in Auto Log Mode - X Axis", "2")->trigger();
    item(menu, "Decades in Auto Log Mode - Y Axis", "6")->trigger();
    item(menu, "Time Stripes", "0")->trigger();
    item(menu, "", "Extended Graphic Detail")->trigger();
    EXPECT_EQ(std::tuple(view.magX, view.magY, view.timeStripes, view.extendedDetail),
              std::tuple(2, 6, 0, true));
    EXPECT_EQ(events.events, std::vector<int>{systemChanged});
    EXPECT_EQ(undo.labels,
              (Labels{"Change log axis magnitudes", "Change log axis magnitudes",
                      "Change number of time stripes", "Toggle extended graphic detail"}));

    RecordingMessageSink messages;
    QString name = QString::fromStdString(folder.file("plot"));
    window.chooseImageFile = [&] { return name; };
    item(menu, "", "Save Plot Image...")->trigger();
    EXPECT_EQ(QImage(name + ".png").convertToFormat(QImage::Format_RGB32), window.plotBitmap());
    // Vectors by the file type: paths and texts, a PDF without images.
    name = QString::fromStdString(folder.file("plot.svg"));
    item(menu, "", "Save Plot Image...")->trigger();
    const std::string svg = readFileBytes(name.toStdString());
    EXPECT_NE(svg.find("<path"), std::string::npos);
    EXPECT_NE(svg.find("<text"), std::string::npos);
    name = QString::fromStdString(folder.file("plot.pdf"));
    item(menu, "", "Save Plot Image...")->trigger();
    const std::string pdf = readFileBytes(name.toStdString());
    EXPECT_EQ(pdf.substr(0, 4), "%PDF");
    EXPECT_EQ(pdf.find("/Subtype /Image"), std::string::npos);
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
    EXPECT_EQ(undo.labels.size(), 4u);
}

TEST_F(TFkineticsTest, RedrawsWhileAnimatingOnlyInAStepOrWithThePreferencesOpen) {
    const QImage shown = window.plotBitmap();
    system.uniqueComponent(0).animate = true;
    animation.findParameter();
    system.uniqueComponent(1).monitor = false; // a change the plot would show
    window.refresh();
    EXPECT_EQ(window.plotBitmap(), shown);
    bool preferencesOpen = true;
    window.preferencesDialogOpen = [&] { return preferencesOpen; };
    window.refresh();
    const QImage withPreferences = window.plotBitmap();
    EXPECT_NE(withPreferences, shown);
    preferencesOpen = false;
    system.uniqueComponent(1).monitor = true;
    window.refresh();
    EXPECT_EQ(window.plotBitmap(), withPreferences);
    animation.inStep = true;
    window.refresh();
    EXPECT_NE(window.plotBitmap(), withPreferences);
    // A resize redraws in any case: the bitmap must fit the window.
    animation.inStep = false;
    window.resize(600, 400);
    EXPECT_EQ(window.plotBitmap().size(), QSize(492, 340));
    const QImage grabbed = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(grabbed.copy(window.controls().plot), window.plotBitmap());
}
