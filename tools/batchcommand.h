#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit statuses of velumbra-batch.
enum BatchStatus {
    batchOk = 0,
    batchFailed = 1,       // the session cannot be read or the output cannot be written
    batchUsage = 2,        // bad arguments
    batchRefused = 3,      // the calculation refused to run
    batchNotConverged = 4, // a fit did not converge; its best values are printed
};

// Runs one velumbra-batch command; `arguments` excludes the program name.
int runBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Writes each ";"-separated piece of a message as a line of its own, as the
// program shows a message's lines; empty pieces are left out.
void writePieces(std::ostream& err, const std::string& text);

// The usage text of --help and of usage errors.
std::string batchUsageText();
