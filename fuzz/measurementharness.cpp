#include "measurementharness.h"

#include "fitting/fitter.h"
#include "fitting/measuredpoints.h"
#include "fitting/measurementcommands.h"
#include "session/program.h"

#include <algorithm>
#include <cmath>

namespace {

const std::string refusalStart = "Failed to read measurements: ";

bool knownColumn(const Program& program, const std::string& name) {
    if (name == Measurements::weightedObservationName) return true;
    for (int i = 0; i < program.vReactor.uniqueComponentCount(); ++i)
        if (program.vReactor.uniqueComponent(i).name == name) return true;
    return false;
}

} // namespace

MeasurementHarness::TableRun MeasurementHarness::measurements(const std::string& bytes) {
    TableRun run;
    const std::string input = writeInput("input.txt", bytes);
    if (input.empty()) return run;
    ProgramUnderTest underTest;
    Program& program = underTest.program();
    static const std::string before = underTest.state();

    const bool loaded = loadMeasurements(program, input);
    run.messages = underTest.messages();
    if (!loaded) {
        check(run.messages.size() == 1 && run.messages[0].size() > refusalStart.size() &&
                  run.messages[0].compare(0, refusalStart.size(), refusalStart) == 0,
              "a refused table shows exactly one message that says why");
        check(underTest.state() == before, "a refused table changes nothing");
        return run;
    }
    run.outcome = Outcome::opened;
    run.loaded = program.measurements;
    check(program.history.label(program.history.current()) == "Load measurements",
          "a loaded table is one undoable edit");
    check(run.messages.size() <= 1, "a loaded table shows at most the ignored columns");
    checkTable(program);
    checkRanges(program);
    checkFitIteration(program);
    useSession(program);
    check(program.measurements == run.loaded, "the table stays as loaded");
    return run;
}

void MeasurementHarness::checkTable(const Program& program) {
    const Measurements& m = program.measurements;
    check(!m.empty() && m.rowCount() <= Measurements::maxRows &&
              m.columnCount() < Measurements::maxColumns,
          "a loaded table keeps its limits");
    check(m.values.size() == m.names.size(), "every column has its values");
    for (size_t c = 0; c < m.values.size(); ++c) {
        check(m.values[c].size() == m.times.size(), "every column has a cell per row");
        check(knownColumn(program, m.names[c]), "every column names a component: ", m.names[c]);
        check(std::count(m.names.begin(), m.names.end(), m.names[c]) == 1,
              "column names are unique");
        for (const double v : m.values[c])
            check(std::isnan(v) || std::isfinite(v), "a cell is finite or missing");
    }
    for (size_t r = 0; r < m.times.size(); ++r)
        check(std::isfinite(m.times[r]) && (r == 0 || m.times[r] >= m.times[r - 1]),
              "times are finite and never go backwards");
}

void MeasurementHarness::checkRanges(const Program& program) {
    for (const bool logarithmic : {false, true}) {
        KineticsView view = program.kineticsView;
        view.autoX = view.autoY = true;
        view.logX = view.logY = logarithmic;
        view.minX = view.minY = 0;
        view.maxX = view.maxY = 1;
        MeasuredPoints::widenRanges(view, program.vReactor, true, program.measurements);
        check(std::isfinite(view.minX) && std::isfinite(view.maxX) && view.minX <= view.maxX &&
                  std::isfinite(view.minY) && std::isfinite(view.maxY) && view.minY <= view.maxY,
              "the measured points widen the ranges to finite bounds");
    }
}

// One iteration of a fit of every rate constant and the first initial
// concentration, with the time step widened so that one computation stays
// within the cap.
void MeasurementHarness::checkFitIteration(Program& program) {
    const double keptStep = program.reactor.timeResolution;
    const double end = std::max(program.reactor.simulationTime, program.measurements.lastTime());
    if (end / program.reactor.timeResolution > maxFitSteps)
        program.reactor.timeResolution = end / maxFitSteps;
    std::vector<FitParameter> parameters = defaultFitParameters(program.vReactor);
    std::vector<FitParameter> offered = fittableParameters(program.vReactor, true);
    for (const FitParameter& p : offered)
        if (p.kind == FitParameter::Kind::initialConcentration) {
            parameters.push_back(p);
            break;
        }
    std::unique_ptr<Fitter> fitter = fitterFor(program, parameters);
    std::string error;
    if (fitter->start(error)) {
        fitter->step();
        const FitResult& result = fitter->finish();
        check(result.values.size() == parameters.size() &&
                  result.standardErrors.size() == parameters.size(),
              "a fit gives a value and an error per parameter");
        for (const double v : result.values)
            check(std::isfinite(v), "fitted values are finite");
    } else {
        check(!error.empty(), "a fit that cannot start says why");
    }
    program.reactor.timeResolution = keptStep;
}
