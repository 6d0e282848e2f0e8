#pragma once

#include "foundation/textstream.h"

#include <cstdint>

// The stored settings of the kinetics plot, one per session (section
// "kinetics view"). Besides the plot, the calculation reads `autoRefresh`
// (recompute on change) and `extendedDetail` (how many points it keeps).
class KineticsView : public TextStream {
public:
    static constexpr const char* sectionName = "kinetics view";
    // The decades the plot offers for a logarithmic axis in auto mode.
    static constexpr std::int32_t minMagnitude = 1;
    static constexpr std::int32_t maxMagnitude = 6;

    // Writes or reads the keys below. After reading, values no plot can use
    // are replaced: decades are kept within 1..6, a negative number of time
    // stripes becomes 0, and an infinite or not-a-number axis bound returns
    // to its default.
    void exchange() override;

    bool operator==(const KineticsView& other) const;

    bool autoRefresh = true; // "auto refresh"
    bool autoY = true;       // "auto y"
    bool logY = false;       // "log y"
    std::int32_t magY = 3;   // "mag y"
    double minY = 0;         // "min y"
    double maxY = 1.0;       // "max y"
    // Not stored: min y was 0 when log y was switched on, so switching log y
    // off again returns it to 0.
    bool minYWasZero = true;
    bool autoX = true;             // "auto x"
    bool logX = false;             // "log x"
    std::int32_t magX = 3;         // "mag x"
    double minX = 0;               // "min x"
    double maxX = 1.0;             // "max x"
    bool minXWasZero = true;       // not stored, as minYWasZero
    std::int32_t timeStripes = 30; // "time stripes"
    bool extendedDetail = false;   // "extended detail"

    // Optional keys, written only when set, so that a session that uses none
    // of them reads and saves as it did before they existed.
    enum YScale : std::int32_t { concentration = 0, lnConcentration = 1, inverseConcentration = 2 };
    bool referenceSolution = false; // "reference solution": dashed reference curves
    bool reactionRates = false;     // "reaction rates": the rates instead of the concentrations
    std::int32_t yScale = concentration; // "y scale": what the y axis shows of a concentration

private:
    void repairAfterReading();
};
