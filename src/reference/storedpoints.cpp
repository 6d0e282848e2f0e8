#include "reference/storedpoints.h"

#include "engine/calculation.h"
#include "reference/ratemodel.h"
#include "reference/referencesolution.h"

#include <algorithm>

namespace {

int validPoints(const Calculation& calculation) {
    return std::max(0, std::min(calculation.pointCount, calculation.times.count()));
}

} // namespace

std::vector<std::vector<double>> storedSeries(const Calculation& calculation) {
    const int points = validPoints(calculation);
    std::vector<std::vector<double>> series;
    for (const Kinetics& k : calculation.kinetics) {
        std::vector<double> values(static_cast<size_t>(points), 0.0);
        for (int i = 0; i < points && i < k.values.count(); ++i)
            values[static_cast<size_t>(i)] = k.values[i];
        series.push_back(std::move(values));
    }
    return series;
}

std::vector<std::vector<double>> storedReactionRates(const Vreactor& system,
                                                     const Calculation& calculation) {
    const RateModel model(system);
    const int points = validPoints(calculation);
    const std::vector<std::vector<double>> series = storedSeries(calculation);
    std::vector<std::vector<double>> rates(static_cast<size_t>(model.reactionCount),
                                           std::vector<double>(static_cast<size_t>(points)));
    std::vector<double> c(static_cast<size_t>(model.componentCount), 0.0);
    for (int i = 0; i < points && model.valid; ++i) {
        for (size_t k = 0; k < c.size(); ++k)
            c[k] = k < series.size() ? series[k][static_cast<size_t>(i)] : 0.0;
        const std::vector<double> v = model.reactionRates(c.data(), calculation.times[i]);
        for (size_t r = 0; r < v.size(); ++r)
            rates[r][static_cast<size_t>(i)] = v[r];
    }
    return rates;
}

void startReferenceAtStoredTimes(ReferenceSolution& reference, const Vreactor& system,
                                 const Calculation& calculation) {
    std::vector<double> times(static_cast<size_t>(validPoints(calculation)));
    for (size_t i = 0; i < times.size(); ++i)
        times[i] = calculation.times[static_cast<int>(i)];
    reference.start(RateModel(system), std::move(times));
}
