#include "session/kineticsview.h"

#include <algorithm>
#include <cmath>

void KineticsView::exchange() {
    exchangeBool("auto refresh", autoRefresh);
    exchangeBool("auto y", autoY);
    exchangeBool("log y", logY);
    exchangeInt("mag y", magY);
    exchangeDouble("min y", minY);
    exchangeDouble("max y", maxY);
    exchangeBool("auto x", autoX);
    exchangeBool("log x", logX);
    exchangeInt("mag x", magX);
    exchangeDouble("min x", minX);
    exchangeDouble("max x", maxX);
    exchangeInt("time stripes", timeStripes);
    exchangeBool("extended detail", extendedDetail);
    if (!writing || referenceSolution) exchangeBool("reference solution", referenceSolution);
    if (!writing || reactionRates) exchangeBool("reaction rates", reactionRates);
    if (!writing || yScale != concentration) exchangeInt("y scale", yScale);
    if (!writing) repairAfterReading();
}

void KineticsView::repairAfterReading() {
    const KineticsView defaults;
    magY = std::clamp(magY, minMagnitude, maxMagnitude);
    magX = std::clamp(magX, minMagnitude, maxMagnitude);
    timeStripes = std::max(0, timeStripes);
    if (yScale != lnConcentration && yScale != inverseConcentration) yScale = concentration;
    if (!std::isfinite(minY)) minY = defaults.minY;
    if (!std::isfinite(maxY)) maxY = defaults.maxY;
    if (!std::isfinite(minX)) minX = defaults.minX;
    if (!std::isfinite(maxX)) maxX = defaults.maxX;
}

bool KineticsView::operator==(const KineticsView& other) const {
    return autoRefresh == other.autoRefresh && autoY == other.autoY && logY == other.logY &&
           magY == other.magY && minY == other.minY && maxY == other.maxY &&
           minYWasZero == other.minYWasZero && autoX == other.autoX && logX == other.logX &&
           magX == other.magX && minX == other.minX && maxX == other.maxX &&
           minXWasZero == other.minXWasZero && timeStripes == other.timeStripes &&
           extendedDetail == other.extendedDetail && referenceSolution == other.referenceSolution &&
           reactionRates == other.reactionRates && yScale == other.yScale;
}
