#pragma once

#include <cstdint>

// The millisecond clock behind calculation slices, progress estimates and the
// animation. Tests install a clock they advance by hand.
class TickClock {
public:
    virtual ~TickClock() = default;
    virtual std::int64_t milliseconds() = 0;
};

// Milliseconds from the installed clock, or from a monotonic system clock.
std::int64_t tickCount();

// Installs a clock (nullptr restores the system clock) and returns the previous one.
TickClock* installTickClock(TickClock* clock);
