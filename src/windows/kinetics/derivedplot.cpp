#include "windows/kinetics/derivedplot.h"

#include "reference/storedpoints.h"
#include "session/kineticsview.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

// 0x00BBGGRR: blue, red, green, violet, orange, teal, brown, grey.
const int DerivedPlot::rateColours[rateColourCount] = {0xC06020, 0x2020D0, 0x20A020, 0xA03090,
                                                       0x0080F0, 0x909000, 0x204080, 0x707070};

namespace {

double scaled(double c, int scale) {
    if (!(c > 0)) return std::numeric_limits<double>::quiet_NaN();
    return scale == KineticsView::lnConcentration ? std::log(c) : 1 / c;
}

// Adds a series with its extremes over the values that can be drawn.
void addSeries(Llist<Kinetics>& list, const std::vector<double>& values) {
    Kinetics k;
    bool any = false;
    for (double v : values) {
        k.values.add(v);
        if (!std::isfinite(v)) continue;
        if (!any || v < k.minimum) k.minimum = v;
        if (!any || v > k.maximum) k.maximum = v;
        any = true;
    }
    list.add(std::move(k));
}

} // namespace

DerivedPlot::DerivedPlot(const Vreactor& source, const Calculation& stored,
                         const WeightedObservation& storedObservation, const KineticsView& view,
                         const std::vector<bool>& hiddenRates,
                         const ReferenceCurves* sourceReference) {
    const int points = std::max(0, std::min(stored.storedPoints, stored.times.count()));
    calculation.pointCount = points;
    calculation.storedPoints = points;
    for (int i = 0; i < points; ++i)
        calculation.times.add(stored.times[i]);
    std::vector<std::vector<double>> series = storedSeries(stored);
    for (auto& s : series)
        s.resize(static_cast<size_t>(points));
    const bool withReference =
        sourceReference && sourceReference->ready && sourceReference->points == points;

    if (view.reactionRates) {
        const std::vector<std::vector<double>> rates = storedReactionRates(source, stored);
        for (int r = 0; r < source.reactions.count(); ++r) {
            const Vreaction& reaction = source.reactions[r];
            if (!reaction.active && !reaction.activeBack) continue;
            Vcomponent c("v" + std::to_string(r + 1), 0,
                         rateColours[static_cast<size_t>(r) % rateColourCount]);
            c.monitor = !(static_cast<size_t>(r) < hiddenRates.size() && hiddenRates[r]);
            system.components.add(c);
            reactionOf.push_back(r);
            std::vector<double> v = rates[static_cast<size_t>(r)];
            v.resize(static_cast<size_t>(points));
            addSeries(calculation.kinetics, v);
        }
        return;
    }

    // A concentration scale: every component, the x-axis one as it is.
    const int xc = source.asXIndex();
    const auto transform = [&](std::vector<std::vector<double>> values) {
        for (size_t k = 0; k < values.size(); ++k)
            if (static_cast<int>(k) != xc)
                for (double& v : values[k])
                    v = scaled(v, view.yScale);
        return values;
    };
    for (int i = 0; i < source.uniqueComponentCount(); ++i)
        system.components.add(source.uniqueComponent(i));
    for (const std::vector<double>& s : transform(series))
        addSeries(calculation.kinetics, s);
    observation.active = storedObservation.active;
    if (observation.active) {
        bool any = false;
        for (int i = 0; i < points && i < storedObservation.values.count(); ++i) {
            const double v = scaled(storedObservation.values[i], view.yScale);
            observation.values.add(v);
            if (!std::isfinite(v)) continue;
            if (!any || v < observation.minimum) observation.minimum = v;
            if (!any || v > observation.maximum) observation.maximum = v;
            any = true;
        }
    }
    if (withReference) {
        reference.values = transform(sourceReference->values);
        reference.points = points;
        for (double v : sourceReference->observation)
            reference.observation.push_back(scaled(v, view.yScale));
        reference.ready = true;
    }
}
