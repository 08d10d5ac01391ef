#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/LineReader.h"
#include "shared/LogLine.h"

namespace kestrowa {

// What closed a session.
enum class SessionClose {
    EndLine,   // the first end line read after its start
    StopLine,  // the end line that ended the read (the first line of the following month)
    NowLine,   // the viewer's start moment, for the start that is the log's last line
};

// One paired session: its start line, the line that closed it (both as read, valid only during
// the call that hands them on) and its length, always above zero.
struct ScannedSession {
    std::string_view startLine;
    std::string_view endLine;
    int minutes = 0;
    SessionClose closedBy = SessionClose::EndLine;
};

// What a reader of the log is told, in log order. Only the sessions must be taken.
class SessionReader {
public:
    virtual ~SessionReader() = default;
    // A line about to be paired; `sessionOpen` says whether a start waits for its end.
    virtual void Line(std::string_view /*line*/, bool /*sessionOpen*/) {}
    // A start line that opened a session (which may still turn out to have no length).
    virtual void Start(std::string_view /*line*/) {}
    virtual void Session(const ScannedSession& session) = 0;
    // Asked after each paired line that did not open a session: true ends the read there.
    virtual bool Enough(std::string_view /*line*/) { return false; }
};

// Which lines of the log a read pairs. Lines without a valid date never reach a filter.
enum class LineFate { Pair, Skip, Stop };
using LineFilter = std::function<LineFate(std::string_view line)>;

// "yy/mm/" of a month, which its lines hold; MonthMarkOf takes "yy/mm".
inline constexpr size_t kMonthMarkSize = 6;
using MonthMark = std::array<char, kMonthMarkSize>;
MonthMark MonthMarkOf(std::string_view yymm);
// Whether the mark stands anywhere in the line (every reader asks this of every line).
bool Holds(std::string_view line, const MonthMark& mark);

struct ScanOptions {
    size_t lineBuffer = 200;  // longer lines arrive in pieces of lineBuffer - 1 characters
    LineFilter filter;        // none: every line is paired
    // When given, called after a line the filter skipped with the bytes read ahead of it: how
    // many of them are whole lines (ending just after an LF) that the filter would skip or that
    // carry no valid date. They are passed over at once, so a read of a few months does not
    // split the years before them into lines.
    std::function<size_t(std::string_view ahead)> passOver;
    // The read ends after a paired line that did not open a session once this many sessions were
    // handed on; 0 for no limit.
    size_t sessionLimit = 0;
    // An end line that the filter stopped at closes the session left open, which counts where
    // it started.
    bool stopLineCloses = false;
    // Closes the session whose start is the log's last non-empty line (the one running while the
    // log is read), as if this end line followed it; "" leaves such a start unended.
    std::string nowLine;
};

// Reads the log once, in order, and pairs each start line with the next end line by the rule of
// SessionMinutes: a second start while a session is open and an end without one pair with
// nothing, and a session without length is dropped. A line without a valid date (HasLogDate) is
// no session line and takes part in nothing but the now line's test. Sessions are handed to
// `reader` as they close; one still open when the read ends is dropped unless a stop line or the
// now line closes it. False, with nothing handed on, when the log cannot be opened for reading.
bool ScanLog(const std::string& path, const ScanOptions& options, SessionReader& reader);

// The log a viewer reads: the second log when one is set, else the own log. Only the own log
// has a running session.
struct ChosenLog {
    std::string path;
    bool own = true;
};
// HasLogDate for the lines of a log in order: most lines share their date columns with the line
// before, which spares the check.
class DateCheck {
public:
    bool operator()(std::string_view line) {
        if (line.size() < 10) return false;
        std::uint64_t date;
        std::memcpy(&date, line.data() + 2, sizeof date);
        if (date == validDate_) return true;
        if (!HasLogDate(line)) return false;
        validDate_ = date;
        return true;
    }

private:
    std::uint64_t validDate_ = 0;  // the date columns of the last line with a valid date; "/" is never 0
};

// How many bytes of `ahead` are whole lines of at most `longest` characters (before CR LF) of
// which `skipped` is true; it is asked of every line. Inline, for passOver functions.
template <class Skipped>
size_t SkippedLines(std::string_view ahead, size_t longest, Skipped skipped) {
    size_t passed = 0;
    for (size_t base = 0; base < ahead.size(); base += kLfMaskBytes) {
        for (std::uint64_t lfs = LfMask(ahead.data() + base, std::min(kLfMaskBytes, ahead.size() - base)); lfs != 0;
             lfs &= lfs - 1) {
            const size_t end = base + static_cast<size_t>(__builtin_ctzll(lfs));
            std::string_view line = ahead.substr(passed, end - passed);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (line.size() > longest || !skipped(line)) return passed;
            passed = end + 1;
        }
    }
    return passed;
}

// Reads the lines of one month, found by text ("yy/mm/" anywhere in the line, the year as
// TwoDigitYear gives it): a line of the following month ends the read (the log is in time
// order), a line of any other month is skipped.
void SelectMonth(ScanOptions& options, int year, int month);

ChosenLog ChooseLog(std::string_view ownLog, std::string_view secondLog);

}  // namespace kestrowa
