#include "windows/fitting/measurementmarkers.h"

#include "fitting/measuredpoints.h"
#include "model/vreactor.h"
#include "session/measurements.h"
#include "windows/common/colour.h"
#include "windows/kinetics/fndisplayer.h"
#include "windows/kinetics/kineticslook.h"

#include <QPainter>

namespace MeasurementMarkers {

void paint(FnDisplayer& plot, const Vreactor& system, bool observationShown,
           const Measurements& data) {
    QPainter& painter = plot.canvas();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    int current = -1;
    const QRect area = painter.viewport();
    MeasuredPoints::forEach(system, observationShown, data, [&](double x, double y, int curve) {
        const int colour =
            curve < 0 ? fromQColor(observationColour) : system.uniqueComponent(curve).color;
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
