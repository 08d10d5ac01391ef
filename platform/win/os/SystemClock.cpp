#include "platform/win/os/SystemClock.h"

#include <windows.h>

namespace kestrowa {

DateTime SystemClock::Now() const {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return DateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::uint32_t SystemClock::TickCount() const { return GetTickCount(); }

// The interrupt time counts in units of 100 ns.
std::uint64_t SystemClock::UnbiasedMilliseconds() const {
    ULONGLONG time = 0;
    QueryUnbiasedInterruptTime(&time);
    return time / 10'000;
}

}  // namespace kestrowa
