#pragma once

class FnDisplayer;
class KineticsView;
class Measurements;
class Vreactor;

// The measured points over the kinetics curves: each measured column as
// small rings in its curve's colour, shown while its curve is, against time
// or, in a phase plot, against the x-axis component's measured value in the
// same row.
namespace MeasurementMarkers {

// Ring radius in pixels: small enough that 2000 points stay apart on a
// plot of ordinary width, large enough to tell them from the curve.
inline constexpr int radius = 2;

// Widens the automatic ranges of the view to the points that will be drawn;
// on a logarithmic axis non-positive values do not count. Before the
// logarithmic bounds rule, after the curves' ranges.
void widenRanges(KineticsView& view, const Vreactor& system, bool observationShown,
                 const Measurements& data);

void paint(FnDisplayer& plot, const Vreactor& system, bool observationShown,
           const Measurements& data);

} // namespace MeasurementMarkers
