#include "fitting/measuredpoints.h"

#include "model/vreactor.h"
#include "session/kineticsview.h"
#include "session/measurements.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace MeasuredPoints {

void forEach(const Vreactor& system, bool observationShown, const Measurements& data,
             const Visit& visit) {
    const int xc = system.asXIndex();
    const int xColumn = xc >= 0 ? data.columnOf(system.uniqueComponent(xc).name) : -1;
    if (xc >= 0 && xColumn < 0) return;
    for (size_t c = 0; c < data.names.size() && c < data.values.size(); ++c) {
        const std::string& name = data.names[c];
        int curve = -1;
        if (name == Measurements::weightedObservationName) {
            if (!observationShown) continue;
        } else {
            for (int i = 0; i < system.uniqueComponentCount() && curve < 0; ++i)
                if (system.uniqueComponent(i).name == name) curve = i;
            if (curve < 0 || curve == xc || !system.uniqueComponent(curve).monitor) continue;
        }
        const std::vector<double>& column = data.values[c];
        for (size_t r = 0; r < data.times.size() && r < column.size(); ++r) {
            const double x =
                xColumn >= 0 ? data.values[static_cast<size_t>(xColumn)][r] : data.times[r];
            if (!std::isnan(x) && !std::isnan(column[r])) visit(x, column[r], curve);
        }
    }
}

void widenRanges(KineticsView& view, const Vreactor& system, bool observationShown,
                 const Measurements& data) {
    constexpr double none = std::numeric_limits<double>::infinity();
    double loX = none, hiX = -none, loY = none, hiY = -none;
    forEach(system, observationShown, data, [&](double x, double y, int) {
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

} // namespace MeasuredPoints
