#include "windows/kinetics/kineticsplotrenderer.h"

#include "engine/calculation.h"
#include "engine/weightedobservation.h"
#include "model/vreactor.h"
#include "reference/referencecurves.h"
#include "session/animation.h"
#include "session/kineticsview.h"
#include "windows/common/colour.h"
#include "windows/fitting/measurementmarkers.h"
#include "windows/common/windowlook.h"
#include "windows/kinetics/animationindicator.h"
#include "windows/kinetics/derivedplot.h"
#include "windows/kinetics/fndisplayer.h"
#include "windows/kinetics/kineticscolours.h"
#include "windows/kinetics/kineticslook.h"
#include "windows/kinetics/kineticsranges.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

Llist<double> toList(const std::vector<double>& values) {
    Llist<double> list;
    for (double v : values)
        list.add(v);
    return list;
}

} // namespace

KineticsPlotRenderer::KineticsPlotRenderer(const Vreactor& reactionSystem,
                                           const Calculation& lastCalculation,
                                           const WeightedObservation& weightedObservation)
    : system_(reactionSystem), calculation_(lastCalculation), observation_(weightedObservation) {}

KineticsLegend KineticsPlotRenderer::renderPlot(QPaintDevice& bitmap, KineticsView& view) const {
    KineticsLegend legend;
    const QSize size(bitmap.width(), bitmap.height());
    if (size.isEmpty()) return legend;
    const KineticsColours colours(colourScheme);
    if (!view.autoRefresh || calculation_.isBusy()) {
        QPainter(&bitmap).fillRect(QRect(QPoint(0, 0), size), colours.background);
        return legend;
    }
    if (!derived_ && (view.reactionRates || view.yScale != KineticsView::concentration))
        return renderDerived(bitmap, view);

    KineticsRanges ranges;
    ranges.compute(view, system_, calculation_, observation_, simulationTime, measurements);
    const int n = system_.uniqueComponentCount();
    const int xc = system_.asXIndex();
    const Llist<Kinetics>& kinetics = calculation_.kinetics;
    const int p = std::clamp(calculation_.storedPoints, 0, calculation_.times.count());

    FnDisplayer plot(bitmap);
    plot.setPenColour(fromQColor(colours.background));
    plot.fill();
    plot.setAxes(view.minX, view.maxX, view.minY, view.maxY, view.logX, view.logY, ranges.decadesX,
                 ranges.decadesY, true);
    if (n > 0) {
        plot.setPenColour(fromQColor(colours.grid));
        plot.setLabelColour(fromQColor(colours.text));
        plot.xGrid(maxGridTicks, true, false);
        plot.yGrid(maxGridTicks, true, false, false);
        plot.setPenColour(fromQColor(colours.zero));
        plot.zeroLines();
    }
    // A phase plot needs the series of its x-axis component.
    if (p > 0 && xc < kinetics.count()) {
        const bool phasePlot = xc >= 0;
        if (phasePlot) {
            plot.setXValues(&kinetics[xc].values, p);
            plot.setStripes(&calculation_.times, p, view.timeStripes);
        } else {
            plot.setXValues(&calculation_.times, p);
        }
        for (int i = 0; i < n && i < kinetics.count(); ++i) {
            const Vcomponent& c = system_.uniqueComponent(i);
            if (!c.monitor || i == xc) continue;
            plot.setPenColour(c.color);
            plot.curve(kinetics[i].values, p, phasePlot);
        }
        if (observation_.active) {
            plot.setPenColour(fromQColor(observationColour));
            plot.curve(observation_.values, p, phasePlot);
        }
        if (view.referenceSolution && reference && reference->ready && reference->points == p) {
            for (int i = 0; i < n && i < static_cast<int>(reference->values.size()); ++i) {
                const Vcomponent& c = system_.uniqueComponent(i);
                if (!c.monitor || i == xc) continue;
                plot.setPenColour(c.color);
                plot.dashedCurve(toList(reference->values[static_cast<size_t>(i)]), p);
            }
            if (observation_.active && !reference->observation.empty()) {
                plot.setPenColour(fromQColor(observationColour));
                plot.dashedCurve(toList(reference->observation), p);
            }
        }
    }
    if (measurements && n > 0)
        MeasurementMarkers::paint(plot, system_, observation_.active, *measurements);
    plot.paintLabels();
    paintIndicator(plot.canvas(), size.width(), colours.text);
    legend.paint(plot.canvas(), size, system_, observation_.active, colours, largeLabels);
    return legend;
}

KineticsLegend KineticsPlotRenderer::renderDerived(QPaintDevice& bitmap, KineticsView& view) const {
    const DerivedPlot data(system_, calculation_, observation_, view, hiddenRates, reference);
    KineticsPlotRenderer inner(data.system, data.calculation, data.observation);
    inner.simulationTime = simulationTime;
    inner.colourScheme = colourScheme;
    inner.largeLabels = largeLabels;
    inner.animation = animation;
    inner.parameterLabel = parameterLabel;
    inner.reference = &data.reference;
    inner.derived_ = true;
    KineticsLegend legend = inner.renderPlot(bitmap, view);
    // The y axis says what it shows; the concentration plot has no caption.
    const char* caption = view.reactionRates                             ? "rate"
                          : view.yScale == KineticsView::lnConcentration ? "ln c"
                                                                         : "1/c";
    QPainter painter(&bitmap);
    painter.setFont(uiFont(largeLabels ? legendLargeTextPixels : legendTextPixels));
    painter.setPen(KineticsColours(colourScheme).text);
    painter.drawText(QRect(0, 0, bitmap.width(), bitmap.height()), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromLatin1(caption));
    // Rate curves map back to reactions; their markers stand for those.
    if (view.reactionRates) {
        legend.xAxisMarkers.clear();
        legend.rateReactions = data.reactionOf;
    }
    return legend;
}

void KineticsPlotRenderer::paintIndicator(QPainter& painter, int width, const QColor& text) const {
    if (!animation || !animation->animatedParameter()) return;
    const double value = *animation->animatedParameter();
    // Outside a step the parameter holds its set value.
    const double base = animation->inStep ? animation->baseValue : value;
    AnimationIndicator::paint(painter, width, parameterLabel, value, animation->from * base,
                              animation->to * base, text);
}

KineticsControls KineticsPlotRenderer::renderWindow(QImage& client, KineticsView& view,
                                                    KineticsLegend* legend) const {
    const KineticsControls controls(client.size());
    if (client.isNull()) return controls;
    QImage plot(controls.plot.size(), QImage::Format_RGB32);
    KineticsLegend drawn = renderPlot(plot, view);
    if (legend) *legend = std::move(drawn);
    QPainter painter(&client);
    controls.paint(painter, view);
    painter.drawImage(controls.plot.topLeft(), plot);
    return controls;
}
