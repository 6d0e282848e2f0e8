#pragma once

class FnDisplayer;
class Measurements;
class Vreactor;

// The measured points over the kinetics curves (see MeasuredPoints), each
// as a small ring in its curve's colour.
namespace MeasurementMarkers {

// Ring radius in pixels: small enough that 2000 points stay apart on a
// plot of ordinary width, large enough to tell them from the curve.
inline constexpr int radius = 2;

void paint(FnDisplayer& plot, const Vreactor& system, bool observationShown,
           const Measurements& data);

} // namespace MeasurementMarkers
