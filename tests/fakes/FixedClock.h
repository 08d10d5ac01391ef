#pragma once
#include <cstdint>

#include "platform/Clock.h"
#include "shared/CivilTime.h"

namespace kestrowa {

// A clock that shows what a test sets. Set lets time pass (or, for a test that starts over, run
// back): the wall clock and both counters move together. SetWall sets only the wall clock, as a
// user or a time synchronisation does; SleepUntil moves the wall clock and the tick count while
// the unbiased counter stands, as a sleep of the PC does.
class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime now = {}, std::uint32_t tick = 0) : now_(now), tick_(tick) {}
    DateTime Now() const override { return now_; }
    std::uint32_t TickCount() const override { return tick_; }
    std::uint64_t UnbiasedMilliseconds() const override { return unbiased_; }
    void Set(DateTime now) {
        const std::int64_t passed = Passed(now);
        tick_ += static_cast<std::uint32_t>(passed);
        unbiased_ += static_cast<std::uint64_t>(passed);
        now_ = now;
    }
    void SetWall(DateTime now) { now_ = now; }
    void SleepUntil(DateTime now) {
        tick_ += static_cast<std::uint32_t>(Passed(now));
        now_ = now;
    }
    void SetTick(std::uint32_t tick) { tick_ = tick; }

private:
    // Milliseconds from the time shown to `now`; none from a clock not set yet.
    std::int64_t Passed(const DateTime& now) const {
        return now_.year == 0 ? 0 : (SecondsOf(now) - SecondsOf(now_)) * 1000;
    }

    DateTime now_;
    std::uint32_t tick_;
    std::uint64_t unbiased_ = 0;
};

}  // namespace kestrowa
