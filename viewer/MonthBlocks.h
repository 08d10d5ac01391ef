#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/SessionScanner.h"

namespace kestrowa {

// The log month by month, as the year-month view and the year-month graph take it. A month's
// block is opened by its first line and ends at the first line of another month (by its date
// columns) read while no session is open, so a session across the month end counts
// in the month of its start. The block still open when the log ends is its running month and is
// never handed on. Between two months with lines, each calendar month without one is handed on
// as empty, December followed by January of the next two-digit year; a month before the one
// expected (a log out of order) brings none.
class MonthBlocks : public SessionReader {
public:
    // Two-digit years go round a century of months: at most one month is handed on for each of
    // them, or a log whose months jump about would fill the gaps between them without end.
    static constexpr size_t kMonthLimit = 1200;

    void Line(std::string_view line, bool sessionOpen) override {
        if (!open_) {
            Open(line);
        } else if (!sessionOpen && !InMonth(line, keyMark_)) {
            Close();
            Open(line);
        }
    }
    void Session(const ScannedSession& session) override {
        minutes_ += session.minutes;
        ++sessions_;
    }
    // The read ends once the limit of months has been handed on.
    bool Enough(std::string_view) override { return Full(); }

protected:
    // A month without lines, "yy/mm".
    virtual void EmptyMonth(const std::string& key) = 0;
    // A month with lines that a later month has ended: its running minutes and sessions.
    virtual void Month(const std::string& key, int64_t minutes, int sessions) = 0;

private:
    void Open(std::string_view line);
    void Close();
    bool Full() const { return handed_ >= kMonthLimit; }

    bool open_ = false;
    std::string key_;      // "yy/mm" of the open block
    MonthMark keyMark_{};  // what its lines hold
    int64_t minutes_ = 0;
    int sessions_ = 0;
    int expected_ = -1;  // month of the century after the last one handed on
    size_t handed_ = 0;
};

}  // namespace kestrowa
