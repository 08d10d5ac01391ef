#pragma once
#include "platform/Clock.h"

namespace kestrowa {

// Local time and tick count of the running Windows.
class SystemClock : public Clock {
public:
    DateTime Now() const override;
    std::uint32_t TickCount() const override;
};

}  // namespace kestrowa
