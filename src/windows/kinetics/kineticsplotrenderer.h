#pragma once

#include "session/preferences.h"
#include "windows/kinetics/kineticscontrols.h"
#include "windows/kinetics/kineticslegend.h"

#include <string>
#include <vector>

class Animation;
class Calculation;
class ReferenceCurves;
class KineticsView;
class Measurements;
class QColor;
class QImage;
class QPaintDevice;
class QPainter;
class Vreactor;
class WeightedObservation;

// Draws the kinetics plot for given data, settings and look, without any
// window: the plot bitmap (grid, curves, labels, animation indicator, legend
// and caption) and, around it, the window's controls. The kinetics window
// paints through it; so can a command-line tool that writes a PNG.
class KineticsPlotRenderer {
public:
    KineticsPlotRenderer(const Vreactor& reactionSystem, const Calculation& lastCalculation,
                         const WeightedObservation& weightedObservation);

    // Draws the whole bitmap. With "auto refresh" on and a calculation that is
    // not running: the curves of the stored kinetics on the ranges of the
    // view, whose automatic bounds are written back into it; otherwise only the
    // background. Returns the legend with its click rectangles (none when
    // only the background was drawn). The device may be a vector one (SVG,
    // PDF): the curves then stay paths and the texts texts.
    KineticsLegend renderPlot(QPaintDevice& bitmap, KineticsView& view) const;

    // Draws a whole client area of the window, the size of `client`: the
    // controls with the view's values and the plot in its rectangle. Returns
    // the layout and, through legend when given, the plot's legend.
    KineticsControls renderWindow(QImage& client, KineticsView& view,
                                  KineticsLegend* legend = nullptr) const;

    // The x axis of a plot against time ends here in auto mode.
    double simulationTime = 10;
    // From the preferences: "Color scheme#kinetics" and "Large labels".
    int colourScheme = Preferences::kineticsDefault;
    bool largeLabels = false;
    // While it animates a parameter, the indicator shows with this label.
    const Animation* animation = nullptr;
    std::string parameterLabel;
    // Measured points drawn over the curves; none when null.
    const Measurements* measurements = nullptr;
    // Drawn dashed after the Euler curves while the view's "reference
    // solution" is set and they belong to the calculation shown.
    const ReferenceCurves* reference = nullptr;
    // Per reaction: its rate curve is hidden while the view shows rates.
    std::vector<bool> hiddenRates;

private:
    void paintIndicator(QPainter& painter, int width, const QColor& text) const;
    KineticsLegend renderDerived(QPaintDevice& bitmap, KineticsView& view) const;

    // Set on the renderer that draws a derived plot's data as it is.
    bool derived_ = false;

    const Vreactor& system_;
    const Calculation& calculation_;
    const WeightedObservation& observation_;
};
