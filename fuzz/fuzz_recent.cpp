// "recent.cfg" as the recent files list reads it.
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput(&ReaderHarness::recentFiles, data, size);
    return 0;
}
