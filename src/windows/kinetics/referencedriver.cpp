#include "windows/kinetics/referencedriver.h"

#include "foundation/tickclock.h"
#include "session/program.h"

#include <algorithm>

ReferenceDriver::ReferenceDriver(Program& program, QObject* parent)
    : QObject(parent), program_(program) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { slice(); });
}

std::string ReferenceDriver::withLine(const std::string& line) const {
    return line.empty() ? verdict_ : verdict_ + ";" + line;
}

std::string ReferenceDriver::calculationFinished(const std::string& verdict) {
    timer_.stop();
    verdict_ = verdict;
    const Calculation& calculation = program_.calculation;
    eulerMilliseconds =
        static_cast<double>(std::max<std::int64_t>(0, tickCount() - calculation.startTicks));
    if (!program_.kineticsView.referenceSolution || calculation.pointCount < 1) {
        curves.clear();
        return verdict;
    }
    curves.start(program_.vReactor, calculation);
    if (program_.animation.isAnimating()) {
        // A frame's Euler time below the clock's resolution counts as 1 ms.
        if (curves.work(animationShare * std::max(1.0, eulerMilliseconds))) {
            curves.clear();
            return withLine(pausedLine);
        }
    } else if (curves.work(sameEventMilliseconds)) {
        timer_.start();
        return withLine(pendingLine);
    }
    curves.conclude(program_.vReactor, calculation, program_.weightedObservation);
    return withLine(curves.statusLine);
}

void ReferenceDriver::slice() {
    // A progress window may run a calculation between its own events.
    if (program_.calculation.isBusy()) return;
    if (curves.work(sliceMilliseconds)) return;
    timer_.stop();
    curves.conclude(program_.vReactor, program_.calculation, program_.weightedObservation);
    if (showStatus) showStatus(withLine(curves.statusLine));
    if (redrawPlot) redrawPlot();
}
