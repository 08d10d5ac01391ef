#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/File.h"
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
// Whether the six bytes at `p` are the mark, compared in two loads rather than a library call.
inline bool IsMark(const char* p, const MonthMark& mark) {
    std::uint32_t head, markHead;
    std::uint16_t tail, markTail;
    std::memcpy(&head, p, 4);
    std::memcpy(&markHead, mark.data(), 4);
    std::memcpy(&tail, p + 4, 2);
    std::memcpy(&markTail, mark.data() + 4, 2);
    return head == markHead && tail == markTail;
}
bool HoldsAnywhere(std::string_view line, const MonthMark& mark);
// Whether the mark stands anywhere in the line. Every reader asks this of every line, and a
// dated line holds its own month's mark at column 2.
inline bool Holds(std::string_view line, const MonthMark& mark) {
    return (line.size() >= 2 + kMonthMarkSize && IsMark(line.data() + 2, mark)) || HoldsAnywhere(line, mark);
}

struct ScanOptions {
    size_t lineBuffer = 200;  // longer lines arrive in pieces of lineBuffer - 1 characters
    // Bytes read from the file at a time. Lines of the standard form are taken straight from the
    // block when they lie whole in it; with a block or a line buffer under kStandardLineBytes every
    // line comes through the line reader's search for its end (the same lines, more slowly).
    size_t readBlock = kLineReadBlock;
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

// HasLogDate for the lines of a log in order: most lines share their date columns with the line
// before, and nearly all the rest their month, which spares the check or all of it but the day.
class DateCheck {
public:
    bool operator()(std::string_view line) {
        if (line.size() < 10) return false;
        std::uint64_t date;
        std::memcpy(&date, line.data() + 2, sizeof date);
        if (date == validDate_) return true;
        if (MonthOf(line.data() + 2) != validMonth_) return NewMonth(line, date);
        const char tens = line[8], ones = line[9];
        if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return false;
        const int day = (tens - '0') * 10 + (ones - '0');
        if (day < 1 || day > monthDays_) return false;
        validDate_ = date;
        return true;
    }

private:
    // "yy/mm/" of a date, in a number that no text of a valid month gives as 0. Put together in
    // registers: a number stored in parts and read whole would wait for the stores.
    static std::uint64_t MonthOf(const char* date) {
        std::uint32_t head;
        std::uint16_t tail;
        std::memcpy(&head, date, sizeof head);
        std::memcpy(&tail, date + sizeof head, sizeof tail);
        return head | std::uint64_t{tail} << 32;
    }
    // The whole check, for a line of another month than the last valid one.
    bool NewMonth(std::string_view line, std::uint64_t date);

    // Set out as if "00/01/01" had been checked: any other first value (eight NUL bytes, say)
    // could be a line's date columns and would pass unchecked.
    static std::uint64_t Columns8(const char* date) {
        std::uint64_t columns;
        std::memcpy(&columns, date, sizeof columns);
        return columns;
    }
    std::uint64_t validDate_ = Columns8("00/01/01");  // the date columns of the last line with a valid date
    std::uint64_t validMonth_ = MonthOf("00/01/");     // MonthOf that date
    int monthDays_ = 31;  // the days of that month (of its year in the 2000s, as HasLogDate takes it)
};

// How many bytes of `ahead` are whole lines of at most `longest` characters (before CR LF) of
// which `skipped` is true; it is asked of every line. Lines of the standard form are taken 18
// bytes at a time, any other by a search for its LF. Inline, for passOver functions.
template <class Skipped>
size_t SkippedLines(std::string_view ahead, size_t longest, Skipped skipped) {
    size_t passed = 0;
    for (;;) {
        if (longest >= kStandardLineSize) {
            for (; ahead.size() - passed >= kStandardLineBytes && IsStandardLine(ahead.data() + passed);
                 passed += kStandardLineBytes)
                if (!skipped(ahead.substr(passed, kStandardLineSize))) return passed;
        }
        const size_t end = ahead.find('\n', passed);
        if (end == std::string_view::npos) return passed;
        std::string_view line = ahead.substr(passed, end - passed);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > longest || !skipped(line)) return passed;
        passed = end + 1;
    }
}

// Reads the lines of one month, found by text ("yy/mm/" anywhere in the line, the year as
// TwoDigitYear gives it): a line of the following month ends the read (the log is in time
// order), a line of any other month is skipped.
void SelectMonth(ScanOptions& options, int year, int month);

// Reads the log once, in order, and pairs each start line with the next end line by the rule of
// SessionMinutes: a second start while a session is open and an end without one pair with
// nothing, and a session without length is dropped. A line that is no session line
// (IsSessionLine) takes part in nothing but the now line's test. Sessions are handed to
// `reader` as they close; one still open when the read ends is dropped unless a stop line or the
// now line closes it. False, with nothing handed on, when the log cannot be opened for reading.
// A template, so that the calls to a reader of a final class are direct: they come for every
// line of the log.
template <class Reader>
bool ScanLog(const std::string& path, const ScanOptions& options, Reader& reader) {
    FilePtr file = OpenFile(path, "rb");
    if (!file) return false;

    bool open = false;
    LogStamp start, end;
    // The start line of the open session: where it stands while the lines after it come from
    // the same block, copied to startText before the line reader may move or refill the block.
    std::string startText;
    std::string_view startLine;
    auto keepStart = [&] {
        if (open && startLine.data() != startText.data()) {
            startText.assign(startLine);
            startLine = startText;
        }
    };
    size_t handed = 0;
    const size_t sessionLimit = options.sessionLimit;
    const bool filtered = static_cast<bool>(options.filter);
    // Closes the open session at the line whose stamp is in `end`.
    auto close = [&](std::string_view endLine, SessionClose why) {
        open = false;
        const int minutes = SessionMinutes(start, end);
        if (minutes <= 0) return;
        ++handed;
        reader.Session({startLine, endLine, minutes, why});
    };

    std::string stopLine;
    // Whether the last non-empty line read is the start still open; any later line, even one
    // that is no session line, means that start is not the one running.
    bool startIsLast = false;
    DateCheck dated;
    // What the read does after a line: go on, pass over the lines ahead that the filter would
    // skip (it skipped this one), or end.
    enum class Then { Next, PassOver, End };
    // A non-empty line in log order; `standard` tells at compile time whether it has the
    // standard form.
    auto take = [&](std::string_view line, auto standard) {
        startIsLast = false;
        // IsSessionLine, with the date check cached and the NUL search left out where the
        // standard form already excludes it.
        if (!dated(line) || !HasLogTime(line)) return Then::Next;
        if constexpr (!decltype(standard)::value) {
            if (line.find('\0') != std::string_view::npos) return Then::Next;
        }
        const LineFate fate = filtered ? options.filter(line) : LineFate::Pair;
        // Passing over lines the filter would skip changes nothing: no session is opened or
        // closed, and the start is already not the last line.
        if (fate == LineFate::Skip) return options.passOver ? Then::PassOver : Then::Next;
        if (fate == LineFate::Stop) {
            stopLine.assign(line);
            return Then::End;
        }
        reader.Line(line, open);
        // The stamps are filled in place, field by field: a stamp copied whole just after its
        // fields were stored would wait for those stores.
        auto parse = [&](LogStamp& stamp) {
            if constexpr (decltype(standard)::value) {
                ParseStandardLine(line.data(), stamp);
            } else {
                ParseLogLine(line, stamp);
            }
        };
        if (line[0] == 'S' && !open) {
            parse(start);
            startLine = line;
            open = startIsLast = true;
            reader.Start(line);
            return Then::Next;
        }
        if (line[0] == 'E' && open) {
            parse(end);
            close(line, SessionClose::EndLine);
        }
        const bool enough = (sessionLimit != 0 && handed >= sessionLimit) || reader.Enough(line);
        return enough ? Then::End : Then::Next;
    };

    LineReader lines(file.get(), options.lineBuffer, options.readBlock);
    const bool standardWhole = options.lineBuffer >= kStandardLineBytes;
    std::string_view line;
    for (;;) {
        Then then = Then::Next;
        if (standardWhole) {
            // The run of standard lines ahead in the block, handed on where they stand.
            const std::string_view ahead = lines.Ahead();
            const char* const begin = ahead.data();
            const char* const blockEnd = begin + ahead.size();
            const char* p = begin;
            while (static_cast<size_t>(blockEnd - p) >= kStandardLineBytes && IsStandardLine(p)) {
                then = take(std::string_view(p, kStandardLineSize), std::true_type{});
                p += kStandardLineBytes;
                if (then != Then::Next) break;
            }
            lines.Pass(static_cast<size_t>(p - begin));
        }
        if (then == Then::Next) {
            keepStart();
            if (!lines.Next(line)) break;
            if (!line.empty()) then = take(line, std::false_type{});
        }
        if (then == Then::End) break;
        if (then == Then::PassOver) lines.Pass(options.passOver(lines.Ahead()));
    }
    if (open && !stopLine.empty()) {
        if (options.stopLineCloses && stopLine[0] == 'E') {
            ParseLogLine(stopLine, end);
            close(stopLine, SessionClose::StopLine);
        }
    } else if (open && startIsLast && !options.nowLine.empty()) {
        ParseLogLine(options.nowLine, end);
        close(options.nowLine, SessionClose::NowLine);
    }
    return true;
}

// The log a viewer reads: the second log when one is set, else the own log. Only the own log
// has a running session.
struct ChosenLog {
    std::string path;
    bool own = true;
};
ChosenLog ChooseLog(std::string_view ownLog, std::string_view secondLog);

}  // namespace kestrowa
