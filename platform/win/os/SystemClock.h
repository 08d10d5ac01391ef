#pragma once
#include "platform/Clock.h"

namespace kestrowa {

// Local time, tick count and unbiased interrupt time of the running Windows.
class SystemClock : public Clock {
public:
    DateTime Now() const override;
    std::uint32_t TickCount() const override;
    std::uint64_t UnbiasedMilliseconds() const override;
};

}  // namespace kestrowa
