#pragma once

#include "foundation/tickclock.h"

// A clock that moves only when the test moves it, or by `stepPerReading`
// every time it is read, so that timed slices of work end.
class ManualTickClock : public TickClock {
public:
    ManualTickClock() : previous_(installTickClock(this)) {}
    ~ManualTickClock() override { installTickClock(previous_); }
    ManualTickClock(const ManualTickClock&) = delete;
    ManualTickClock& operator=(const ManualTickClock&) = delete;

    std::int64_t milliseconds() override { return now += stepPerReading; }

    std::int64_t now = 0;
    std::int64_t stepPerReading = 0;

private:
    TickClock* previous_;
};
