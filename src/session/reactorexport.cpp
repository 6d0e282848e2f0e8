#include "session/reactorexport.h"

#include "engine/calculation.h"
#include "engine/weightedobservation.h"
#include "foundation/numberformat.h"
#include "foundation/textstream.h"
#include "model/vreactor.h"
#include "reference/storedpoints.h"
#include "session/preferences.h"

#include <algorithm>

namespace {

constexpr int exportPrecision = 12;

// Appends a field, separated from what the line already holds.
void field(std::string& line, const std::string& separator, const std::string& text) {
    if (!line.empty()) line += separator;
    line += text;
}

} // namespace

void ReactorExport::rebuildComponentFlags(const Vreactor& system) {
    componentFlags.clear();
    for (const Vcomponent& c : system.components)
        if (!c.shortcut) componentFlags.push_back(c.monitor);
}

void ReactorExport::buildTable(const Vreactor& system, const Calculation& calculation,
                               const WeightedObservation& observation) {
    lines.clear();
    const int series = std::min<int>(calculation.kinetics.count(), system.uniqueComponentCount());
    auto selected = [&](int i) {
        return i < static_cast<int>(componentFlags.size()) && componentFlags[i];
    };
    const bool withObservation = observation.active && includeWeightedObservation;
    std::vector<std::vector<double>> rates;
    if (includeReactionRates) rates = storedReactionRates(system, calculation);

    if (includeColumnLabels) {
        std::string header;
        if (includeTime) header = "time";
        for (int i = 0; i < system.uniqueComponentCount(); ++i)
            if (selected(i)) field(header, separator, system.uniqueComponent(i).name);
        for (size_t r = 0; r < rates.size(); ++r)
            field(header, separator, std::string("v").append(std::to_string(r + 1)));
        if (withObservation) field(header, separator, "weightedObservation");
        lines.add(header);
    }

    const int points = std::min(calculation.pointCount, calculation.times.count());
    for (int j = 0; j < points; ++j) {
        std::string line;
        if (includeTime) line = formatNumber(calculation.times[j]);
        for (int i = 0; i < system.uniqueComponentCount(); ++i) {
            if (!selected(i)) continue;
            const bool stored = i < series && j < calculation.kinetics[i].values.count();
            field(line, separator,
                  stored ? formatNumber(calculation.kinetics[i].values[j]) : std::string());
        }
        for (const std::vector<double>& rate : rates)
            field(line, separator,
                  j < static_cast<int>(rate.size()) ? formatNumber(rate[static_cast<size_t>(j)])
                                                    : std::string());
        if (withObservation)
            field(line, separator,
                  j < observation.values.count() ? formatNumber(observation.values[j])
                                                 : std::string());
        lines.add(line);
    }
}

bool ReactorExport::exportTo(const std::string& fileName, const Vreactor& system,
                             const Calculation& calculation, const WeightedObservation& observation,
                             const Preferences& preferences) {
    numberPrecision = exportPrecision;
    alwaysScientific = true;
    buildTable(system, calculation, observation);
    const bool written = !fileName.empty() && writeTextFile(fileName, lines);
    preferences.applyNumberFormat();
    return written;
}
