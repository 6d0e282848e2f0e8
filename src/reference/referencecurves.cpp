#include "reference/referencecurves.h"

#include "engine/calculation.h"
#include "engine/calculationenvironment.h"
#include "engine/reactor.h"
#include "engine/weightedobservation.h"
#include "foundation/numberformat.h"
#include "model/vreactor.h"
#include "reference/storedpoints.h"

#include <chrono>

namespace {

// A calculation that is never run, only filled with series to read.
class NoEnvironment : public CalculationEnvironment {
public:
    bool autoRefresh() const override { return true; }
    bool extendedDetail() const override { return false; }
    bool animationRunning() const override { return false; }
    void showStatus(const std::string&) override {}
    ProgressRunner* progressRunner() override { return nullptr; }
};

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

void ReferenceCurves::clear() {
    ready = false;
    running_ = false;
    points = 0;
    values.clear();
    observation.clear();
    statusLine.clear();
}

void ReferenceCurves::start(const Vreactor& system, const Calculation& calculation) {
    clear();
    startReferenceAtStoredTimes(solution_, system, calculation);
    running_ = true;
    spent_ = 0;
}

bool ReferenceCurves::work(double milliseconds) {
    if (!running_) return false;
    const auto start = std::chrono::steady_clock::now();
    // A few steps between readings of the clock: a step of a large stiff
    // system takes a good part of a millisecond.
    bool more = true;
    while (more && millisecondsSince(start) < milliseconds)
        more = solution_.advance(8);
    spent_ += millisecondsSince(start);
    if (!more) {
        running_ = false;
        lastMilliseconds = spent_;
    }
    return more;
}

void ReferenceCurves::conclude(const Vreactor& system, const Calculation& calculation,
                               const WeightedObservation& weightedObservation) {
    if (running_ || !solution_.finished) return;
    if (solution_.failed) {
        statusLine = "reference failed: " + solution_.failure;
        return;
    }
    values = solution_.values;
    points = solution_.storedPoints;
    if (weightedObservation.active)
        observation = observationOf(values, system, calculation, weightedObservation);
    std::vector<bool> shown;
    const int xc = system.asXIndex();
    for (int i = 0; i < system.uniqueComponentCount(); ++i)
        shown.push_back(system.uniqueComponent(i).monitor && i != xc);
    const double deviation =
        largestDeviation(storedSeries(calculation), calculation.pointCount, solution_, shown);
    statusLine = deviation < 0 ? "deviation -" : "deviation " + formatNumber(100 * deviation) + "%";
    ready = true;
}

std::vector<double> observationOf(const std::vector<std::vector<double>>& series,
                                  const Vreactor& system, const Calculation& calculation,
                                  const WeightedObservation& observation) {
    Vreactor unused;
    Reactor reactor;
    NoEnvironment environment;
    Calculation filled(unused, reactor, environment);
    const int points = std::min(calculation.pointCount, calculation.times.count());
    filled.pointCount = points;
    filled.storedPoints = points;
    for (int i = 0; i < points; ++i)
        filled.times.add(calculation.times[i]);
    for (const std::vector<double>& values : series) {
        Kinetics k;
        for (int i = 0; i < points && i < static_cast<int>(values.size()); ++i)
            k.values.add(values[static_cast<size_t>(i)]);
        filled.kinetics.add(std::move(k));
    }
    WeightedObservation copy(const_cast<Vreactor*>(&system), &filled, nullptr);
    copy.active = true;
    copy.differential = observation.differential;
    copy.globalFactor = observation.globalFactor;
    copy.compute();
    return std::vector<double>(copy.values.begin(), copy.values.end());
}
