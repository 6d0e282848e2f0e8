#include "foundation/tickclock.h"

#include <chrono>

namespace {
TickClock* installed = nullptr;
}

std::int64_t tickCount() {
    if (installed) return installed->milliseconds();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TickClock* installTickClock(TickClock* clock) {
    TickClock* previous = installed;
    installed = clock;
    return previous;
}
