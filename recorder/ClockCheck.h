#pragma once
#include <cstdint>

#include "platform/Clock.h"

namespace kestrowa {

// The wall clock and the system's two counters read at one instant.
struct ClockReading {
    DateTime wall;
    std::uint32_t tick = 0;       // runs on through a sleep
    std::uint64_t unbiased = 0;   // stands during a sleep
};

ClockReading ReadClock(const Clock& clock);

// What happened between two readings, told apart by the three clocks: the tick count runs in a
// sleep and the unbiased counter does not, so their difference is the time asleep; the wall clock
// against the tick count is a change of the clock or of the time zone. A sleep is looked at first:
// its end and start lines already put the old clock's time before the new clock's.
enum class ClockEvent { None, Change, Sleep };

struct ClockComparison {
    ClockEvent event = ClockEvent::None;
    // What the wall clock would read now, had nobody set it: the earlier reading moved on by the
    // running time measured since.
    DateTime oldClockNow;
};

// Differences of 2 minutes or less (time synchronisation, the wall clock's whole seconds) are none.
ClockComparison CompareClocks(const ClockReading& before, const ClockReading& now);

// Whole seconds of running time from the counter's reading `from` to `to`, plus `offsetSeconds`
// (time before the counter's first reading that counts as well); never below 0.
std::int64_t RunningSeconds(std::uint64_t from, std::uint64_t to, std::int64_t offsetSeconds);

}  // namespace kestrowa
