#pragma once
#include <cstdint>

#include "platform/Clock.h"

namespace kestrowa {

// Wall-clock date-times as a count of seconds, so that a time can be moved by any amount across
// midnight, month and year ends (Gregorian calendar), and two times can be subtracted. Local time
// is taken as it reads: a change of daylight saving time is not accounted for. The count starts
// at 1970-01-01 00:00:00, so a UTC time's count is the system's time in seconds since the epoch.
std::int64_t SecondsOf(const DateTime& t);
DateTime DateTimeFromSeconds(std::int64_t seconds);
inline DateTime AddSeconds(const DateTime& t, std::int64_t seconds) {
    return DateTimeFromSeconds(SecondsOf(t) + seconds);
}

}  // namespace kestrowa
