#pragma once
#include <string>
#include <string_view>

#include "platform/Profile.h"
#include "shared/SessionLog.h"

namespace kestrowa {

// The recorder's writes to its log. The lines the log cannot take (a read-only folder, a missing
// drive, a full disk) are kept in order in the profile's `PendingLines`, so that an end of the
// recorder loses none, and they go to the log before any new line once it can be written again.
// A short write leaves the written part in the log and keeps only the rest, so that no byte goes
// twice and no line is left half.
class LogWriter {
public:
    // Takes the lines a former run kept.
    LogWriter(SessionLog log, Profile& profile);

    const SessionLog& Log() const { return log_; }
    // Puts the line, in its full (four-digit year) form, behind the kept ones and writes them all.
    void Append(std::string_view fullLine);
    // Writes the kept lines, if any.
    void Flush();
    bool HasPending() const { return !pending_.empty(); }
    // The error number of the last write when it failed; 0 when it wrote everything.
    int Error() const { return error_; }
    // Whether the log has a line yet, in the file or kept.
    bool Exists() const { return HasPending() || log_.Exists(); }
    // The last non-empty line as the log will hold it (file form); the kept lines come last.
    std::string LastNonEmptyLine() const;

private:
    void TryWrite();

    SessionLog log_;
    Profile& profile_;
    std::string pending_;        // file form, CR LF after each line
    bool continuesLine_ = false;  // pending_ begins with the rest of the log's last line
    int error_ = 0;
    std::string stored_;  // the value as the profile holds it
};

// The kept text as stored, when it holds only the recorder's own lines ("S yy/mm/dd hh:mm",
// "E …", empty), each with CR LF, the first possibly only the end of one when `continuesLine`.
bool IsPendingText(std::string_view text, bool continuesLine);

// The status window's title while lines wait: the file, the reason, and that nothing is lost.
std::string LogProblemText(const std::string& path, int error);

}  // namespace kestrowa
