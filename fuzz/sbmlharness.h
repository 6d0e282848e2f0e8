#pragma once

#include "readerharness.h"

#include <string>
#include <vector>

// Feeds arbitrary bytes to "Import SBML..." as the program meets them: the
// bytes are a file that the import reads. An accepted model is put into a
// program holding a small edited session, as the main window does, and must
// then compute with capped steps, give equations and save into a file that
// opens as it was, and export to SBML that imports again. A refused file
// shows its one "Cannot import SBML: " message and leaves the program
// exactly as it was.
class SbmlHarness : public ReaderHarness {
public:
    struct SbmlRun {
        Outcome outcome = Outcome::refused;
        // The refusal shown to the user (empty when accepted).
        std::string message;
        // The calculation's verdict (empty when refused).
        std::string status;
        // The session as imported, before its steps were capped.
        ReactorSession imported;
    };

    using ReaderHarness::ReaderHarness;

    SbmlRun sbml(const std::string& bytes);

private:
    void checkExportedAgain(const ReactorSession& session);
};
