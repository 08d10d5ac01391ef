#include "recorder/ClockCheck.h"

#include <algorithm>
#include <cstdlib>

#include "shared/CivilTime.h"

namespace kestrowa {

namespace {
constexpr std::int64_t kLimitMilliseconds = 2 * 60 * 1000;
}  // namespace

ClockReading ReadClock(const Clock& clock) {
    return ClockReading{clock.Now(), clock.TickCount(), clock.UnbiasedMilliseconds()};
}

ClockComparison CompareClocks(const ClockReading& before, const ClockReading& now) {
    // The tick count wraps after 49.7 days; two readings are never that far apart without a
    // heartbeat between them.
    const std::int64_t ticked = static_cast<std::uint32_t>(now.tick - before.tick);
    const auto ran = static_cast<std::int64_t>(now.unbiased - before.unbiased);
    const std::int64_t walked = (SecondsOf(now.wall) - SecondsOf(before.wall)) * 1000;
    ClockComparison comparison;
    comparison.oldClockNow = AddSeconds(before.wall, ran / 1000);
    if (ticked - ran > kLimitMilliseconds)
        comparison.event = ClockEvent::Sleep;
    else if (std::llabs(walked - ticked) > kLimitMilliseconds)
        comparison.event = ClockEvent::Change;
    return comparison;
}

std::int64_t RunningSeconds(std::uint64_t from, std::uint64_t to, std::int64_t offsetSeconds) {
    return std::max<std::int64_t>(0, static_cast<std::int64_t>(to - from) / 1000 + offsetSeconds);
}

}  // namespace kestrowa
