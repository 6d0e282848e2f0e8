#include "windows/kinetics/tfkinetics.h"

#include "foundation/eventreceiver.h"
#include "session/animation.h"
#include "session/preferences.h"
#include "session/undorecorder.h"
#include "support/recordingmessagesink.h"
#include "support/tempdir.h"
#include "windows/kinetics/plotdata.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Labels = std::vector<std::string>;

struct RecordingUndo : UndoRecorder {
    void pushUndo(const std::string& label, bool merge) override {
        labels.push_back(merge ? label + " (merged)" : label);
    }
    Labels labels;
};

struct Events : EventReceiver {
    void receive(int event) override { codes.push_back(event); }
    std::vector<int> codes;
};

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
    // Replaces the value dialog: types `typed`, then ends with `outcome`
    // (restoring the value on cancel, as the dialog does).
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
    Events events;
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

TEST_F(TFkineticsTest, BoundEditing) {
    struct Case {
        KineticsControls::Control field;
        const char* title;
        const char* label;
        double afterLiveChange; // typed -2: only min y may stay negative
    };
    const Case cases[] = {{KineticsControls::minY, "Y axis minimum", "Change y axis minimum", -2},
                          {KineticsControls::maxY, "Y axis maximum", "Change y axis maximum", 0},
                          {KineticsControls::minX, "X axis minimum", "Change x axis minimum", 0},
                          {KineticsControls::maxX, "X axis maximum", "Change x axis maximum", 0}};
    for (const Case& c : cases) {
        for (int outcome : {0, 1, 2}) {
            view.autoX = view.autoY = true;
            undo.labels.clear();
            asked.clear();
            answerBounds(-2, outcome);
            click(c.field);
            EXPECT_EQ(asked, Labels{c.title});
            EXPECT_FALSE(autoWhileAsked) << c.title;
            EXPECT_EQ(afterLiveChange, c.afterLiveChange) << c.title;
            // Cancel restores auto mode and records nothing.
            EXPECT_EQ(view.autoX && view.autoY, outcome == 0) << c.title << outcome;
            EXPECT_EQ(undo.labels, outcome == 0 ? Labels{} : Labels{c.label}) << c.title << outcome;
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

TEST_F(TFkineticsTest, OptionsMenu) {
    QMenu menu;
    window.fillOptionsMenu(menu);
    EXPECT_TRUE(item(menu, "Decades in Auto Log Mode - Y Axis", "3")->isChecked());
    EXPECT_TRUE(item(menu, "Time Stripes", "30")->isChecked());
    item(menu, "Decades in Auto Log Mode - X Axis", "2")->trigger();
    item(menu, "Decades in Auto Log Mode - Y Axis", "6")->trigger();
    item(menu, "Time Stripes", "0")->trigger();
    item(menu, "", "Extended Graphic Detail")->trigger();
    EXPECT_EQ(view.magX, 2);
    EXPECT_EQ(view.magY, 6);
    EXPECT_EQ(view.timeStripes, 0);
    EXPECT_TRUE(view.extendedDetail);
    EXPECT_EQ(events.codes, std::vector<int>{systemChanged});
    window.fillOptionsMenu(menu);
    EXPECT_TRUE(item(menu, "Decades in Auto Log Mode - X Axis", "2")->isChecked());
    EXPECT_TRUE(item(menu, "", "Extended Graphic Detail")->isChecked());
    EXPECT_EQ(undo.labels,
              (Labels{"Change log axis magnitudes", "Change log axis magnitudes",
                      "Change number of time stripes", "Toggle extended graphic detail"}));
}

TEST_F(TFkineticsTest, SavePlotImageWritesThePlotAsShown) {
    RecordingMessageSink messages;
    QMenu menu;
    window.fillOptionsMenu(menu);
    QString name = QString::fromStdString(folder.file("plot"));
    window.chooseImageFile = [&] { return name; };
    item(menu, "", "Save Plot Image...")->trigger();
    const QImage saved(name + ".png");
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), window.plotBitmap());
    EXPECT_EQ(saved.size(), window.controls().plot.size());
    EXPECT_TRUE(undo.labels.empty());
    name = QString::fromStdString(folder.file("missing/plot.png"));
    item(menu, "", "Save Plot Image...")->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("Failed to save plot image: ", 0), 0u);
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
}

TEST_F(TFkineticsTest, PaintShowsControlsAndPlot) {
    preferences.colorSchemeKinetics = Preferences::kineticsHighContrast;
    window.refresh();
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect plot = window.controls().plot;
    EXPECT_EQ(shown.copy(plot), window.plotBitmap());
    EXPECT_EQ(shown.pixelColor(plot.left() + 5, plot.top() + 5), QColor(0, 0, 0));
}
