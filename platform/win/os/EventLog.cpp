#include "platform/win/os/EventLog.h"

#include <windows.h>
#include <winevt.h>

#include <array>
#include <vector>

#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {

// Owns a handle of the event log functions.
class EvtHandle {
public:
    explicit EvtHandle(EVT_HANDLE h = nullptr) : h_(h) {}
    EvtHandle(const EvtHandle&) = delete;
    EvtHandle& operator=(const EvtHandle&) = delete;
    EvtHandle(EvtHandle&& other) noexcept : h_(other.h_) { other.h_ = nullptr; }
    ~EvtHandle() {
        if (h_) EvtClose(h_);
    }
    EVT_HANDLE Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

private:
    EVT_HANDLE h_;
};

// The event's XML, rendered into `buffer` (grown as needed); false when it cannot be rendered.
bool Render(EVT_HANDLE event, std::vector<wchar_t>& buffer, std::wstring_view& xml) {
    DWORD used = 0, properties = 0;
    auto render = [&] {
        return EvtRender(nullptr, event, EvtRenderEventXml, static_cast<DWORD>(buffer.size() * sizeof(wchar_t)),
                         buffer.data(), &used, &properties);
    };
    if (!render()) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
        buffer.resize(used / sizeof(wchar_t) + 1);
        if (!render()) return false;
    }
    // `used` counts the closing null.
    const size_t length = used / sizeof(wchar_t);
    xml = std::wstring_view(buffer.data(), length > 0 ? length - 1 : 0);
    return true;
}

// The hourglass while the thread reads and takes no messages, the arrow it replaced after.
class WaitCursor {
public:
    WaitCursor() : replaced_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { SetCursor(replaced_); }

private:
    HCURSOR replaced_;
};

}  // namespace

// Rendering a whole System log takes seconds on a PC that has kept years of it.
bool WindowsEventLog::ReadEvents(const std::function<void(std::string_view xml)>& take) {
    const WaitCursor waiting;
    EvtHandle query(EvtQuery(nullptr, L"System", L"*", EvtQueryChannelPath | EvtQueryForwardDirection));
    if (!query) return false;
    std::vector<wchar_t> buffer(8192);
    for (;;) {
        std::array<EVT_HANDLE, 64> batch{};
        DWORD returned = 0;
        if (!EvtNext(query.Get(), static_cast<DWORD>(batch.size()), batch.data(), INFINITE, 0, &returned))
            return GetLastError() == ERROR_NO_MORE_ITEMS;
        std::vector<EvtHandle> events;
        events.reserve(returned);
        for (DWORD i = 0; i < returned; ++i) events.emplace_back(batch[i]);
        // An event that cannot be rendered is passed on as a fault of its XML, to be counted.
        for (const EvtHandle& event : events) {
            std::wstring_view xml;
            take(Render(event.Get(), buffer, xml) ? WideToUtf8(xml) : std::string("<Event>"));
        }
    }
}

WindowsEventLog& TheSystemEventLog() {
    static WindowsEventLog log;
    return log;
}

std::optional<DateTime> WindowsLocalTime(std::int64_t utcSeconds) {
    // FILETIME counts 100 ns from 1601; 1970 lies 11644473600 seconds later.
    constexpr std::int64_t kFrom1601 = 11644473600;
    if (utcSeconds < -kFrom1601 || utcSeconds > 253402300799) return std::nullopt;
    const auto ticks = static_cast<std::uint64_t>(utcSeconds + kFrom1601) * 10000000u;
    FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME utc{}, local{};
    if (!FileTimeToSystemTime(&file, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        return std::nullopt;
    return DateTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

}  // namespace kestrowa
