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

// The fields of one line. A separator goes before every field but the first,
// so that an empty field (a value not stored) keeps the later ones in their
// columns.
class Line {
public:
    explicit Line(const std::string& separator) : separator_(separator) {}
    void field(const std::string& text) {
        if (fields_++ > 0) text_ += separator_;
        text_ += text;
    }
    const std::string& text() const { return text_; }

private:
    const std::string& separator_;
    std::string text_;
    int fields_ = 0;
};

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
        Line header(separator);
        if (includeTime) header.field("time");
        for (int i = 0; i < system.uniqueComponentCount(); ++i)
            if (selected(i)) header.field(system.uniqueComponent(i).name);
        for (size_t r = 0; r < rates.size(); ++r)
            header.field(std::string("v").append(std::to_string(r + 1)));
        if (withObservation) header.field("weightedObservation");
        lines.add(header.text());
    }

    const int points = std::min(calculation.pointCount, calculation.times.count());
    for (int j = 0; j < points; ++j) {
        Line line(separator);
        if (includeTime) line.field(formatNumber(calculation.times[j]));
        for (int i = 0; i < system.uniqueComponentCount(); ++i) {
            if (!selected(i)) continue;
            const bool stored = i < series && j < calculation.kinetics[i].values.count();
            line.field(stored ? formatNumber(calculation.kinetics[i].values[j]) : std::string());
        }
        for (const std::vector<double>& rate : rates)
            line.field(j < static_cast<int>(rate.size()) ? formatNumber(rate[static_cast<size_t>(j)])
                                                         : std::string());
        if (withObservation)
            line.field(j < observation.values.count() ? formatNumber(observation.values[j])
                                                      : std::string());
        lines.add(line.text());
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
