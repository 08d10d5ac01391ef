#pragma once
#include <cstdint>

#include "platform/Clock.h"

namespace kestrowa {

// A clock that shows what a test sets.
class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime now = {}, std::uint32_t tick = 0) : now_(now), tick_(tick) {}
    DateTime Now() const override { return now_; }
    std::uint32_t TickCount() const override { return tick_; }
    void Set(DateTime now) { now_ = now; }
    void SetTick(std::uint32_t tick) { tick_ = tick; }

private:
    DateTime now_;
    std::uint32_t tick_;
};

}  // namespace kestrowa
