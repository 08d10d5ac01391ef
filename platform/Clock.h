#pragma once
#include <compare>
#include <cstdint>

namespace kestrowa {

// Local wall-clock date and time as the programs use it: four-digit year, month 1-12, day,
// hour 0-23, minute, second.
struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    auto operator<=>(const DateTime&) const = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
    // Milliseconds since the system started, its sleeps included; wraps after 49.7 days.
    virtual std::uint32_t TickCount() const = 0;
    // Milliseconds the system has run since it started, its sleeps left out. Neither a change of
    // the wall clock nor of the time zone moves it: running time is measured with it.
    virtual std::uint64_t UnbiasedMilliseconds() const = 0;
};

}  // namespace kestrowa
