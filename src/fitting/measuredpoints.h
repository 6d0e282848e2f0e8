#pragma once

#include <functional>

class KineticsView;
class Measurements;
class Vreactor;

// The measured points a kinetics plot shows: each measured column against
// time or, in a phase plot, against the x-axis component's measured value
// in the same row; a column only while its curve is shown. Without Qt, so
// that the ranges can be checked on any table.
namespace MeasuredPoints {

// The column's curve: a unique component's index, or -1 for the weighted
// observation.
using Visit = std::function<void(double x, double y, int curve)>;

// Calls `visit` for every point with both coordinates present.
void forEach(const Vreactor& system, bool observationShown, const Measurements& data,
             const Visit& visit);

// Widens the automatic ranges of the view to the points that will be drawn;
// on a logarithmic axis non-positive values do not count. Before the
// logarithmic bounds rule, after the curves' ranges.
void widenRanges(KineticsView& view, const Vreactor& system, bool observationShown,
                 const Measurements& data);

} // namespace MeasuredPoints
