// An SBML document as "Import SBML..." reads it, then computed, turned into
// equations, saved and exported again.
#include "fuzzinput.h"
#include "sbmlharness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput(&SbmlHarness::sbml, data, size);
    return 0;
}
