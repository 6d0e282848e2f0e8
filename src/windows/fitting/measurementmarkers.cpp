#include "windows/fitting/measurementmarkers.h"

#include "model/vreactor.h"
#include "session/kineticsview.h"
#include "session/measurements.h"
#include "windows/common/colour.h"
#include "windows/kinetics/fndisplayer.h"
#include "windows/kinetics/kineticslook.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

// Calls `visit(x, y, colour)` for every point that is drawn.
void forEachPoint(const Vreactor& system, bool observationShown, const Measurements& data,
                  const std::function<void(double, double, int)>& visit) {
    const int xc = system.asXIndex();
    const int xColumn = xc >= 0 ? data.columnOf(system.uniqueComponent(xc).name) : -1;
    if (xc >= 0 && xColumn < 0) return;
    for (size_t c = 0; c < data.names.size(); ++c) {
        const std::string& name = data.names[c];
        int colour = 0;
        if (name == Measurements::weightedObservationName) {
            if (!observationShown) continue;
            colour = fromQColor(observationColour);
        } else {
            int u = -1;
            for (int i = 0; i < system.uniqueComponentCount() && u < 0; ++i)
                if (system.uniqueComponent(i).name == name) u = i;
            if (u < 0 || u == xc || !system.uniqueComponent(u).monitor) continue;
            colour = system.uniqueComponent(u).color;
        }
        for (size_t r = 0; r < data.times.size(); ++r) {
            const double y = data.values[c][r];
            const double x =
                xColumn >= 0 ? data.values[static_cast<size_t>(xColumn)][r] : data.times[r];
            if (!std::isnan(x) && !std::isnan(y)) visit(x, y, colour);
        }
    }
}

} // namespace

namespace MeasurementMarkers {

void widenRanges(KineticsView& view, const Vreactor& system, bool observationShown,
                 const Measurements& data) {
    constexpr double none = std::numeric_limits<double>::infinity();
    double loX = none, hiX = -none, loY = none, hiY = -none;
    forEachPoint(system, observationShown, data, [&](double x, double y, int) {
        if (!view.logX || x > 0) {
            loX = std::min(loX, x);
            hiX = std::max(hiX, x);
        }
        if (!view.logY || y > 0) {
            loY = std::min(loY, y);
            hiY = std::max(hiY, y);
        }
    });
    if (view.autoX && loX <= hiX) {
        view.minX = std::min(view.minX, loX);
        view.maxX = std::max(view.maxX, hiX);
    }
    if (view.autoY && loY <= hiY) {
        view.minY = std::min(view.minY, loY);
        view.maxY = std::max(view.maxY, hiY);
    }
}

void paint(FnDisplayer& plot, const Vreactor& system, bool observationShown,
           const Measurements& data) {
    QPainter& painter = plot.canvas();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    int current = -1;
    const QRect area = painter.viewport();
    forEachPoint(system, observationShown, data, [&](double x, double y, int colour) {
        if ((plot.x.logarithmic && x <= 0) || (plot.y.logarithmic && y <= 0)) return;
        const int px = plot.xPixel(x);
        const int py = plot.yPixel(y);
        if (!area.adjusted(-radius, -radius, radius, radius).contains(px, py)) return;
        if (colour != current) {
            painter.setPen(QPen(toQColor(colour), 1.2));
            current = colour;
        }
        painter.drawEllipse(QPointF(px, py), radius + 0.5, radius + 0.5);
    });
    painter.restore();
}

} // namespace MeasurementMarkers
