#pragma once
#include <functional>
#include <string_view>

namespace kestrowa {

// Windows' System event log.
class SystemEventLog {
public:
    virtual ~SystemEventLog() = default;
    // Hands every event of the log, oldest first, to `take` in the XML form Windows renders it
    // in (UTF-8). False when the log cannot be read (no rights, no event log service).
    virtual bool ReadEvents(const std::function<void(std::string_view xml)>& take) = 0;
};

}  // namespace kestrowa
