#pragma once
#include <cstdint>
#include <optional>

#include "platform/Clock.h"
#include "platform/EventLog.h"

namespace kestrowa {

// The System log read through the event log service (EvtQuery, EvtRender). Under Wine there is
// no such log: it cannot be read.
class WindowsEventLog : public SystemEventLog {
public:
    bool ReadEvents(const std::function<void(std::string_view xml)>& take) override;
};
// The one the viewer reads.
WindowsEventLog& TheSystemEventLog();

// The local time of a moment in seconds since 1970 UTC by the zone's rules for that date
// (summer time included); nullopt outside the system's range.
std::optional<DateTime> WindowsLocalTime(std::int64_t utcSeconds);

}  // namespace kestrowa
