#pragma once

#include "windows/input/askvalue.h"
#include "windows/kinetics/kineticscontrols.h"
#include "windows/kinetics/kineticslegend.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class Animation;
class Calculation;
class KineticsView;
class Measurements;
class Preferences;
class QAction;
class QMenu;
class ReferenceCurves;
class QPaintDevice;
class QPrinter;
class KineticsPlotRenderer;
class Reactor;
class UndoRecorder;
class Vreactor;
class WeightedObservation;

// The window "Reaction Kinetics": the stored concentration curves of the last
// calculation against time, or against one component (a phase plot), with
// the axis controls round the plot and the legend inside it. Everything is
// painted: the plot goes to a bitmap the size of the plot rectangle, which a
// paint copies into the client area together with the controls.
//
// It receives no change notifications itself: the owner's receiver calls
// refresh(). Every edit made here is recorded through the undo recorder with
// the merge flag clear; "Extended Graphic Detail" also broadcasts
// systemChanged so the kinetics are recomputed.
class TFkinetics : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* caption = "Reaction Kinetics";
    static constexpr int defaultClientWidth = 412;
    static constexpr int defaultClientHeight = 213;
    static constexpr double boundLimit = 1e100;
    // Tags of the decade menus' items.
    static constexpr int xAxisTag = 1;
    static constexpr int yAxisTag = 0;

    // The value input dialog's contract (askNumber).
    using AskNumber = std::function<int(const std::string& title, double* value,
                                        const std::function<void()>& onChange, double min,
                                        double max, double step, int law, QWidget* owner)>;

    // The window keeps references to all of these; they must outlive it.
    TFkinetics(Vreactor& reactionSystem, const Reactor& reactor, const Calculation& calculation,
               const WeightedObservation& observation, KineticsView& view,
               const Animation& animation, const Preferences& preferences, UndoRecorder& undo,
               QWidget* parent = nullptr);

    // Redraws the plot from the current kinetics and settings and repaints.
    // While a parameter is animated the plot is only redrawn during an
    // animation step or while the preferences dialog is open, so the curves
    // of the last step stay; the controls are repainted in any case. A hidden
    // window draws nothing until it is shown again.
    void refresh();

    // The plot as shown, the size of the plot rectangle.
    const QImage& plotBitmap();
    // Writes the plot as shown to a file whose type its suffix gives: SVG or
    // PDF as vectors, anything else as PNG; false when it cannot be written.
    bool savePlotImage(const QString& fileName);
    // "Copy Plot": the plot as shown goes to the clipboard as an image.
    void copyPlot();
    // Prints the plot on the printer's page, at the printer's resolution.
    void printPlot(QPrinter& printer);

    // Replaces the menu's items by those of the "Options" menu.
    void fillOptionsMenu(QMenu& menu);

    // Click areas remembered from the last paint; legend rectangles are in
    // plot bitmap coordinates.
    const KineticsControls& controls() const { return controls_; }
    const KineticsLegend& legend() const { return legend_; }

    // Set by the owner. Whether the preferences dialog is open; unset counts
    // as closed.
    std::function<bool()> preferencesDialogOpen;
    // The label of the parameter selected in the animation window, shown over
    // the animation indicator; unset shows none.
    std::function<std::string()> animatedParameterLabel;
    // Measured points drawn over the curves; none when null.
    const Measurements* measurements = nullptr;
    // How bounds are asked for; the value input dialog unless replaced.
    AskNumber askBound = askNumber;
    // Where "Save Plot Image..." asks for the file name; a save dialog unless
    // replaced. An empty name cancels.
    std::function<QString()> chooseImageFile;
    // The reference solution of the last calculation, drawn while the view
    // asks for it; set by the owner, none when unset.
    const ReferenceCurves* referenceCurves = nullptr;
    // Per reaction: its rate curve is hidden (the window's own state).
    std::vector<bool> hiddenRates;
    // Where "Print..." sets up the printer; the print dialog unless replaced.
    // False cancels.
    std::function<bool(QPrinter&)> setUpPrinter;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void followSize();
    bool plotRedrawAllowed() const;
    void renderPlot();
    KineticsPlotRenderer makeRenderer() const;
    void paintPlot(QPaintDevice& device);
    void printPlotAsked();
    void record(const std::string& label);
    void toggleAuto(bool xAxis);
    void toggleLog(bool xAxis);
    void editBound(bool xAxis, bool maximum);
    void keepBoundsUsable();
    bool legendClick(QPoint plotPoint);
    void openOptionsMenu();
    void addDecadesMenu(QMenu& menu, const QString& title, int tag, int current);
    void decadesChosen(const QAction* action);
    void setTimeStripes(int stripes);
    void toggleExtendedDetail();
    void savePlotImageAs();
    void addPlotContentItems(QMenu& menu);

    Vreactor& system_;
    const Reactor& reactor_;
    const Calculation& calculation_;
    const WeightedObservation& observation_;
    KineticsView& view_;
    const Animation& animation_;
    const Preferences& preferences_;
    UndoRecorder& undo_;

    KineticsControls controls_;
    KineticsLegend legend_;
    QImage plotBitmap_;
    // The bitmap no longer fits the window, or was never drawn.
    bool plotDirty_ = true;
};
