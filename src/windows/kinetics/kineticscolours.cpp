#include "windows/kinetics/kineticscolours.h"

#include "session/preferences.h"
#include "windows/common/colour.h"
#include "windows/common/windowlook.h"
#include "windows/kinetics/kineticslook.h"

#include <algorithm>
#include <cmath>

KineticsColours::KineticsColours(int scheme) {
    const KineticsColourFactors& f =
        scheme == Preferences::kineticsHighContrast ? highContrastFactors : defaultSchemeFactors;
    background = scaleColour(windowColour, f.background);
    grid = scaleColour(windowColour, f.grid);
    zero = scaleColour(windowColour, f.zero);
    text = scaleColour(windowColour, f.text);
    dim = blend(background, text, dimBlend);
}

QColor KineticsColours::blend(const QColor& c0, const QColor& c1, double t) {
    const auto mix = [t](int a, int b) {
        return std::clamp(static_cast<int>(std::round(a + (b - a) * t)), 0, 255);
    };
    return QColor(mix(c0.red(), c1.red()), mix(c0.green(), c1.green()), mix(c0.blue(), c1.blue()));
}
