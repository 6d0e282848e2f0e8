#pragma once

#include "fitting/fitparameter.h"
#include "fitting/fitter.h"

#include <memory>
#include <string>
#include <vector>

class Program;

// The program's edits of measurements and fitted values, each recorded in
// the undo history. They broadcast `weightedObservationChanged` or
// `parametersChanged`, after which the plot redraws.

// Reads the file into the program's measurements and records "Load
// measurements"; a notice names ignored columns. On failure the message is
// shown and nothing changes.
bool loadMeasurements(Program& program, const std::string& fileName);

// Clears the measurements and records "Remove measurements"; false, with
// nothing recorded, when there are none.
bool removeMeasurements(Program& program);

// A fit of the program's current system and settings to its measurements.
std::unique_ptr<Fitter> fitterFor(Program& program, std::vector<FitParameter> parameters);

// Sets the values and records "Fit parameters" as one edit.
void applyFittedValues(Program& program, const std::vector<FitParameter>& parameters,
                       const std::vector<double>& values);
