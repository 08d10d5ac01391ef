#pragma once
#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "platform/File.h"
#include "shared/ByteScan.h"
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

// Which lines of the log a read pairs. Only session lines (IsSessionLine) reach a filter.
enum class LineFate { Pair, Skip, Stop };
using LineFilter = std::function<LineFate(std::string_view line)>;

struct ScanOptions {
    size_t lineBuffer = 200;  // longer lines arrive in pieces of lineBuffer - 1 characters
    // Bytes read from the file at a time. Lines of the recorder's form are taken straight from
    // the block when they lie whole in it; with a block or a line buffer under kRecorderLineBytes
    // every line comes through the line reader's search for its end (the same lines, more slowly).
    size_t readBlock = kLineReadBlock;
    LineFilter filter;  // none: every line is paired
    // When given, called after a line the filter skipped with the bytes read ahead of it: how
    // many of them are whole lines (ending just after an LF) that the filter would skip or that
    // are no session lines. They are passed over at once, so a read of a few months does not
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

// The non-empty lines of a log in order, as ScanLog takes them: a line of the recorder's form
// straight from the line reader's block, 18 bytes at a time, any other through the line reader.
// A line handed out is valid until the next call, but for the one line held by Hold.
class LogLines {
public:
    LogLines(std::FILE* file, const ScanOptions& options)
        : reader_(file, options.lineBuffer, options.readBlock),
          recorderLinesWhole_(options.lineBuffer >= kRecorderLineBytes),
          passOver_(options.passOver) {}

    // False at the end of the file. `recorderForm` tells whether the line has the recorder's form.
    bool Next(std::string_view& line, bool& recorderForm) {
        recorderForm = recorderLinesWhole_ && static_cast<size_t>(runEnd_ - at_) >= kRecorderLineBytes &&
                       IsRecorderLine(at_);
        if (!recorderForm) return NextThroughReader(line);
        line = {at_, kRecorderLineSize};
        at_ += kRecorderLineBytes;
        return true;
    }
    // Passes over the whole lines ahead that the options' passOver lets go.
    void PassOver();
    // Keeps the line that `line` views valid, wherever the reading goes, for as long as `line`
    // views it: it is copied out only when the reader is about to move or refill its block.
    void Hold(std::string_view& line) { held_ = &line; }

private:
    bool NextThroughReader(std::string_view& line);
    // Tells the line reader how far the lines taken from its block went, and starts a new run there.
    void Sync();

    LineReader reader_;
    bool recorderLinesWhole_;
    const std::function<size_t(std::string_view)>& passOver_;
    // The run of the block not yet handed out: [at_, runEnd_), begun at runStart_.
    const char* runStart_ = nullptr;
    const char* at_ = nullptr;
    const char* runEnd_ = nullptr;
    std::string_view* held_ = nullptr;
    std::string heldText_;
};

// How many bytes of `ahead` are whole lines of at most `longest` characters (before CR LF) that
// are no session lines or that the filter skips (`skipped`, asked only of session lines, as a
// filter is); for passOver functions. Lines of the recorder's form are taken 18 bytes at a time,
// any other by a search for its LF.
template <class Skipped>
size_t SkippedLines(std::string_view ahead, size_t longest, Skipped skipped) {
    size_t passed = 0;
    SessionLineTest isSessionLine;
    for (;;) {
        if (longest >= kRecorderLineSize) {
            for (; ahead.size() - passed >= kRecorderLineBytes && IsRecorderLine(ahead.data() + passed);
                 passed += kRecorderLineBytes) {
                const std::string_view line = ahead.substr(passed, kRecorderLineSize);
                if (isSessionLine(line, true) && !skipped(line)) return passed;
            }
        }
        const size_t end = ahead.find('\n', passed);
        if (end == std::string_view::npos) return passed;
        std::string_view line = ahead.substr(passed, end - passed);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > longest || (isSessionLine(line, false) && !skipped(line))) return passed;
        passed = end + 1;
    }
}

// "yy/mm/" of a month from its "yy/mm".
MonthMark MonthMarkOf(std::string_view yymm);
// Whether a session line is of the month `mark`, by its date columns.
inline bool InMonth(std::string_view line, const MonthMark& mark) {
    return line.size() >= 2 + kMonthMarkSize && std::memcmp(line.data() + 2, mark.data(), kMonthMarkSize) == 0;
}

// Reads the lines of one month, by their date columns (the year as TwoDigitYear gives it): a
// line of the following month ends the read (the log is in time order), a line of any other
// month is skipped.
void SelectMonth(ScanOptions& options, int year, int month);

// Reads the log once, in order, and pairs each start line with the next end line by the rule of
// SessionMinutes: a second start while a session is open and an end without one pair with
// nothing, and a session without length is dropped. A line that is no session line
// (IsSessionLine) takes part in nothing but the now line's test. Sessions are handed to `reader`
// as they close; one still open when the read ends is dropped unless a stop line or the now line
// closes it. False, with nothing handed on, when the log cannot be opened for reading. A
// template, so that the calls to a reader of a final class are direct: they come for every line.
template <class Reader>
bool ScanLog(const std::string& path, const ScanOptions& options, Reader& reader) {
    FilePtr file = OpenFile(path, "rb");
    if (!file) return false;
    LogLines lines(file.get(), options);
    bool open = false;
    LogStamp start, end;  // filled in place: a stamp copied whole waits for the stores of its fields
    std::string_view startLine;
    lines.Hold(startLine);
    size_t sessions = 0;
    auto close = [&](std::string_view endLine, SessionClose why) {
        open = false;
        const int minutes = SessionMinutes(start, end);
        if (minutes > 0) {
            ++sessions;
            reader.Session({startLine, endLine, minutes, why});
        }
        startLine = {};
    };
    // Whether the open start is the last non-empty line read: any later line, even one that is
    // no session line, means that start is not the one running.
    bool startIsLast = false;
    std::string stopLine;
    std::string_view line;
    SessionLineTest isSessionLine;
    for (bool recorderForm; lines.Next(line, recorderForm);) {
        startIsLast = false;
        if (!isSessionLine(line, recorderForm)) continue;
        const LineFate fate = options.filter ? options.filter(line) : LineFate::Pair;
        if (fate == LineFate::Skip) {
            lines.PassOver();
            continue;
        }
        if (fate == LineFate::Stop) {
            stopLine.assign(line);
            break;
        }
        reader.Line(line, open);
        if (line[0] == 'S' && !open) {
            ParseLogLine(line, start, recorderForm);
            startLine = line;
            open = startIsLast = true;
            reader.Start(line);
            continue;
        }
        if (line[0] == 'E' && open) {
            ParseLogLine(line, end, recorderForm);
            close(line, SessionClose::EndLine);
        }
        if ((options.sessionLimit != 0 && sessions >= options.sessionLimit) || reader.Enough(line)) break;
    }
    const bool closesAtStop = !stopLine.empty() && options.stopLineCloses && stopLine[0] == 'E';
    const bool closesNow = stopLine.empty() && startIsLast && !options.nowLine.empty();
    if (open && (closesAtStop || closesNow)) {
        ParseLogLine(closesAtStop ? stopLine : options.nowLine, end);
        close(closesAtStop ? stopLine : options.nowLine, closesAtStop ? SessionClose::StopLine : SessionClose::NowLine);
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
