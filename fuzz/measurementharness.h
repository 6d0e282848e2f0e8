#pragma once

#include "readerharness.h"
#include "session/measurements.h"

#include <string>

// Feeds arbitrary bytes to "Import Measurements..." as the program meets
// them: the bytes are a file that the import reads into a program holding a
// small edited session. An accepted table must keep the table's limits, widen
// the plot's automatic ranges to finite bounds, stand one capped fit
// iteration, and be saved with the session into a file that opens as it was.
// A refused file shows its one "Failed to read measurements: " message and
// leaves the program exactly as it was.
class MeasurementHarness : public ReaderHarness {
public:
    struct TableRun {
        Outcome outcome = Outcome::refused;
        // The messages the import showed: the refusal, or the ignored columns.
        std::vector<std::string> messages;
        // The table as loaded (empty when refused).
        Measurements loaded;
    };

    // A fit iteration computes the model at most this many steps.
    static constexpr double maxFitSteps = 2000;

    using ReaderHarness::ReaderHarness;

    TableRun measurements(const std::string& bytes);

private:
    void checkTable(const Program& program);
    void checkRanges(const Program& program);
    void checkFitIteration(Program& program);
};
