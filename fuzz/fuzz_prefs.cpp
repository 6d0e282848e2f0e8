// "prefs.cfg" as the preferences read it.
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput(&ReaderHarness::preferences, data, size);
    return 0;
}
