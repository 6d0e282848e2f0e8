// A measurement table as "Import Measurements..." reads it, then drawn into
// the plot's ranges, fitted for one iteration and saved with the session.
#include "fuzzinput.h"
#include "measurementharness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput(&MeasurementHarness::measurements, data, size);
    return 0;
}
