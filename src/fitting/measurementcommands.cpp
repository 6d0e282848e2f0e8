#include "fitting/measurementcommands.h"

#include "fitting/measurementfile.h"
#include "foundation/messagesink.h"
#include "session/program.h"

bool loadMeasurements(Program& program, const std::string& fileName) {
    Measurements table;
    std::string message;
    const bool ok = MeasurementFile::read(fileName, program.vReactor, table, message);
    if (ok) {
        program.measurements = std::move(table);
        program.pushUndo("Load measurements", false);
        broadcast(weightedObservationChanged);
    }
    if (!message.empty()) showMessage(message);
    return ok;
}

bool removeMeasurements(Program& program) {
    if (program.measurements.empty()) return false;
    program.measurements.clear();
    program.pushUndo("Remove measurements", false);
    broadcast(weightedObservationChanged);
    return true;
}

std::unique_ptr<Fitter> fitterFor(Program& program, std::vector<FitParameter> parameters) {
    const WeightedObservation& w = program.weightedObservation;
    return std::make_unique<Fitter>(
        program.vReactor, program.reactor.timeResolution, program.reactor.simulationTime,
        ModelSampler::ObservationSettings{w.active, w.differential, w.globalFactor},
        program.measurements, std::move(parameters));
}

void applyFittedValues(Program& program, const std::vector<FitParameter>& parameters,
                       const std::vector<double>& values) {
    for (size_t i = 0; i < parameters.size() && i < values.size(); ++i)
        setParameterValue(program.vReactor, parameters[i], values[i]);
    broadcast(parametersChanged);
    program.pushUndo("Fit parameters", false);
}
