#pragma once

#include "foundation/tickclock.h"

// A clock that moves only when the test moves it.
class ManualTickClock : public TickClock {
public:
    ManualTickClock() : previous_(installTickClock(this)) {}
    ~ManualTickClock() override { installTickClock(previous_); }
    ManualTickClock(const ManualTickClock&) = delete;
    ManualTickClock& operator=(const ManualTickClock&) = delete;

    std::int64_t milliseconds() override { return now; }

    std::int64_t now = 0;

private:
    TickClock* previous_;
};
