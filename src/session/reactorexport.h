#pragma once

#include "foundation/text.h"

#include <string>
#include <vector>

class Calculation;
class Preferences;
class Vreactor;
class WeightedObservation;

// The export of the last calculation's kinetics as a table of separated
// columns, one line per stored point, every number in scientific form with 12
// digits. Its settings live for the run; they are not stored anywhere.
class ReactorExport {
public:
    std::string separator = "\t";
    bool includeColumnLabels = true;
    // 1, 10 or 100; shown but never applied to the rows.
    int iterationsStep = 10;
    bool includeTime = true;
    // One flag per unique component: write its column.
    std::vector<bool> componentFlags;
    // Write the weighted observation's column while its curve is shown.
    bool includeWeightedObservation = true;
    // One column "vN" per reaction after the component columns: its net rate
    // at each stored point.
    bool includeReactionRates = false;

    // The flags become the components' "monitor" flags (the curves shown).
    void rebuildComponentFlags(const Vreactor& system);

    // Fills `lines`: the header (when enabled) and one line per stored point.
    // Numbers follow the current number format.
    void buildTable(const Vreactor& system, const Calculation& calculation,
                    const WeightedObservation& observation);

    // Builds the table with 12 digits in scientific form and writes it; the
    // number format then returns to the preferences' in every case. On
    // failure the previous file stays as it was.
    [[nodiscard]] bool exportTo(const std::string& fileName, const Vreactor& system,
                                const Calculation& calculation,
                                const WeightedObservation& observation,
                                const Preferences& preferences);

    Text_ lines;
};
