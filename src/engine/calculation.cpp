#include "engine/calculation.h"

#include "engine/calculationenvironment.h"
#include "engine/progressrunner.h"
#include "engine/reactor.h"
#include "foundation/numberformat.h"
#include "foundation/tickclock.h"
#include "model/vreactor.h"

#include <algorithm>
#include <cmath>

Calculation::Calculation(Vreactor& reactionSystem, Reactor& currentReactor,
                         CalculationEnvironment& environment)
    : system_(reactionSystem), reactor_(currentReactor), environment_(environment) {}

void Calculation::receive(int event) {
    if (event < sessionReplaced || event > animatedParameterChanged) return;
    ++changes_;
    if (environment_.autoRefresh()) calculate();
}

void Calculation::calculate() {
    // A progress window handles messages while it drives the run; a change
    // arriving then must not restart the run under its own feet.
    if (busy) return;
    if (prepare()) {
        if (environment_.animationRunning()) {
            while (step()) {
            }
        } else {
            runWithProgress(*this, "Calculating Kinetics", true, environment_.progressRunner());
        }
    }
    finish();
}

bool Calculation::prepare() {
    busy = true;
    running_ = false;
    computedChange_ = changes_;
    startTicks = tickCount();
    pointCount = environment_.extendedDetail() ? extendedPointCount : normalPointCount;
    storedPoints = 0;
    progress = 0;
    message.clear();
    totalSteps = 0;
    stride = 1;

    times.clear();
    times.resize(pointCount);
    kinetics.clear();
    const int components = system_.uniqueComponentCount();
    kinetics.resize(components);
    for (int i = 0; i < components; ++i) {
        Kinetics series;
        series.values.resize(pointCount);
        kinetics.add(std::move(series));
    }

    if (!settingsValid()) return false;
    const double steps =
        reactor_.timeResolution > 0 ? reactor_.simulationTime / reactor_.timeResolution : 0;
    const bool animation = environment_.animationRunning();
    const double limit = animation ? animationStepLimit : stepLimit;
    if (steps > limit + 0.5) {
        message = "Too many iterations!;";
        if (animation) message += formatInt(animationStepLimit) + " allowed for animations.;";
        message += "Reduce simulation time;or increase time step!";
        return false;
    }
    // steps is finite and at most the limit + 0.5 here, so it fits.
    totalSteps = std::max(1, static_cast<int>(steps + 0.5));
    std::int64_t s = totalSteps / (pointCount - 1);
    if (totalSteps > s * pointCount) ++s;
    stride = static_cast<int>(std::max<std::int64_t>(1, s));
    reactor_.init();
    running_ = true;
    return true;
}

// Settings from a file can be anything; only finite, non-negative ones can be
// counted in steps.
bool Calculation::settingsValid() {
    const auto usable = [](double v) { return std::isfinite(v) && v >= 0; };
    if (!usable(reactor_.timeResolution)) {
        message = "Invalid time step!;Enter a finite time step;of zero or more.";
        return false;
    }
    if (!usable(reactor_.simulationTime)) {
        message = "Invalid simulation time!;Enter a finite simulation;time of zero or more.";
        return false;
    }
    return true;
}

bool Calculation::step() {
    if (!running_) return false;
    running_ = false;
    const std::int64_t sliceStart = tickCount();
    const auto n = static_cast<size_t>(kinetics.count());
    // Reading the clock costs as much as many small steps; it is read only
    // after enough work that the slice can overrun by a fraction of a millisecond.
    const std::int64_t workPerPoint =
        static_cast<std::int64_t>(stride) * reactor_.workPerStep() + static_cast<std::int64_t>(n);
    std::int64_t work = 0;
    for (;;) {
        if (storedPoints >= pointCount) return false;
        const double t = reactor_.stepCount * reactor_.timeResolution;
        if (reactor_.simulationTime > 0) progress = t / reactor_.simulationTime;
        times.add(t);
        const std::vector<double>& c = reactor_.concentrations;
        for (size_t i = 0; i < n; ++i)
            kinetics[static_cast<int>(i)].values.add(i < c.size() ? c[i] : 0.0);
        ++storedPoints;
        if (t >= reactor_.simulationTime) return false;
        if (!reactor_.advanceSteps(stride)) return false;
        work += workPerPoint;
        if (work < clockCheckWork) continue;
        work = 0;
        if (tickCount() - sliceStart >= sliceMilliseconds) break;
    }
    running_ = true;
    return true;
}

void Calculation::finish() {
    pointCount = storedPoints;
    for (Kinetics& series : kinetics) {
        const int n = std::min(pointCount, series.values.count());
        series.minimum = 0;
        series.maximum = 0;
        for (int i = 0; i < n; ++i) {
            const double v = series.values[i];
            if (i == 0 || v < series.minimum) series.minimum = v;
            if (i == 0 || v > series.maximum) series.maximum = v;
        }
    }
    if (message.empty()) {
        const std::int64_t elapsed = std::max<std::int64_t>(0, tickCount() - startTicks);
        const std::string time = elapsed < 1000
                                     ? formatInt(elapsed) + " ms"
                                     : formatNumber(static_cast<double>(elapsed) / 1000) + " s";
        message = reactor_.statusText() + ";dc/c max:" + formatNumber(reactor_.maxRelativeChange) +
                  ";iterations:" + formatInt(reactor_.stepCount) + ";calc time:" + time;
    }
    computed_ = true;
    environment_.showStatus(message);
    busy = false;
}
