// A session file, opened, laid out, computed, animated, turned into equations and saved; the same
// bytes also as "prefs.cfg" and "recent.cfg".
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput(&ReaderHarness::all, data, size);
    return 0;
}
