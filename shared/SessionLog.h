#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace kestrowa {

inline constexpr const char* kSessionLogName = "Kestrofl.dat";

// How the own log's name is spelled in its path: as the recorder creates the file, or in
// capitals, as the viewer's log list shows it and hands it to the editor. Windows file names
// ignore case, so both name the same file.
enum class LogNameCase { AsCreated, Capitals };

// The own log: the application folder (with its closing backslash; empty for the current folder)
// followed by the log's name. Every program takes the own log's path from here.
std::string OwnLogPath(std::string_view applicationFolder, LogNameCase nameCase = LogNameCase::AsCreated);

// The year a log line's two-digit year stands for: 00-79 are 2000-2079, 80-99 are 1980-1999.
// Every heading, label and period reads a line's year so. (Which of two dates comes first is
// another question, answered by the nearer century: see SessionMinutes.)
constexpr int FullYear(int twoDigitYear) { return twoDigitYear < 80 ? 2000 + twoDigitYear : 1900 + twoDigitYear; }
// The recorder reads the log through a 200-byte buffer: longer lines arrive in pieces.
inline constexpr size_t kRecorderLineBuffer = 200;
inline constexpr size_t kMonthSessionLimit = 300;

// What an append got into the file: how many bytes of the text, and the system's error number
// (errno) when that is not all of them.
struct AppendResult {
    size_t written = 0;
    int error = 0;
};

struct MonthSummary {
    bool logPresent = false;
    int64_t minutes = 0;
    int sessions = 0;
};

// The recorder's access to its session log: appends lines, finds the last one, sums the month.
// The file is opened for one operation and closed at once; when it is missing, the reads return
// their empty results. A write says how far it got; keeping what it could not write is the caller's.
class SessionLog {
public:
    explicit SessionLog(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    bool Exists() const;
    // Appends a line given in its full (four-digit year) form as its file form and CR LF, on a
    // line of its own: a file whose last byte is no line feed gets CR LF first. True when the
    // whole line reached the file.
    bool AppendLine(std::string_view fullLine) const;
    // Appends `text`, lines in the file's form, in one unbuffered write, so that the count tells
    // what is in the file. The text starts on a line of its own as above, unless `continuesLine`:
    // it is then the rest of a line an earlier short write cut off, which the file ends with.
    AppendResult AppendText(std::string_view text, bool continuesLine) const;
    // Read back from the log's end, so that a long log does not delay the recorder's start.
    std::string LastNonEmptyLine() const;
    // Running minutes and sessions of the month of `today`, as far as the log has ended them.
    MonthSummary SummarizeMonth(const DateTime& today) const;

private:
    std::string path_;
};

// The month figures as the status window shows them.
std::string MonthCountText(const MonthSummary& summary);
// monthTimeForm 0: "%d時間%d分" (hours, remaining minutes); 1: "%.02f時間" (decimal hours).
std::string MonthTimeText(const MonthSummary& summary, int monthTimeForm);

}  // namespace kestrowa
