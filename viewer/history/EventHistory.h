#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/EventLog.h"
#include "platform/FileDialog.h"
#include "platform/FileReplace.h"
#include "shared/CivilTime.h"
#include "viewer/history/SystemEvents.h"

namespace kestrowa {

// The history from before the recorder's first line: the starts, stops and sleeps Windows wrote
// to its System log, turned into a log of the recorder's own line form. The own log is only read.

// How the events were taken: how many were read, and how many of them were not trusted.
struct EventCounts {
    size_t events = 0;      // well-formed events read
    size_t broken = 0;      // events or stretches of XML that could not be read
    size_t duplicated = 0;  // an event met again (the same record at the same time)
    size_t outOfOrder = 0;  // events older than one read before them
    size_t untrusted = 0;   // a time that contradicts the others: a sleep after its wake, an
                            // unexpected stop named outside its session, a year the log cannot hold
    size_t unknownEnds = 0; // sessions no event ends: ended at the last event seen from them
    bool operator==(const EventCounts&) const = default;
};

// A session as the events tell it, in seconds since 1970 UTC.
struct EventSession {
    std::int64_t start = 0;
    std::int64_t end = 0;
};

struct EventSessions {
    std::vector<EventSession> sessions;  // in time order
    EventCounts counts;
};

// Pairs the starts and stops among the events, in time order. A start is a system start
// (Kernel-General 12, or EventLog 6005 where 12 is missing) or a resume (Kernel-Power 107,
// Power-Troubleshooter 1's wake time); a stop a shutdown (Kernel-General 13, EventLog 6006) or a
// sleep (Kernel-Power 42, Power-Troubleshooter 1's sleep time). The two events that report one
// start or one stop, within kSameMoment, count once. A start while a session runs ends it at the
// last event seen from it, never later; an unexpected stop that the next start's EventLog 6008
// names moves that end to the time it names (Kernel-Power 41 names none).
EventSessions PairEvents(const EventReading& reading);
inline constexpr std::int64_t kSameMoment = 600;

// The local date and time of a moment in seconds since 1970 UTC; nullopt when it has none.
using LocalTimeOf = std::function<std::optional<DateTime>(std::int64_t utcSeconds)>;

// The history as a log: S and E lines of the recorder's form, in time order.
struct EventHistory {
    std::string lines;
    int sessions = 0;
    DateTime first;  // the first session's start
    DateTime last;   // the last session's end
    EventCounts counts;
};
// The sessions in local time up to `ownLogStart` (the own log's first line: the recorder's record
// wins where both exist). A session that reaches it ends there; one the readers' pairing gives no
// length (the same minute, a clock set back) is left out.
EventHistory HistoryLines(const EventSessions& found, const LocalTimeOf& localTime,
                          const std::optional<DateTime>& ownLogStart);

// The moment of the own log's first start or end line; nullopt for no log or none.
std::optional<DateTime> OwnLogStart(const std::string& ownLogPath);

// The history is kept beside the own log, with its backup.
inline constexpr std::string_view kEventHistoryName = "EventHistory.dat";
inline constexpr std::string_view kEventHistoryBackupName = "EventHistory.bak";
// The file `name` in the folder of the file `path` (after its last "\" or "/").
std::string FileBeside(std::string_view path, std::string_view name);

// What an import came to.
struct HistoryImport {
    enum class Outcome {
        Written,
        LogUnreadable,   // the System log could not be read
        FileUnreadable,  // the exported file could not be read
        NothingFound,    // no session before the own log's first line: nothing written
        NotWritten,      // the history file could not be written (or would be the own log)
    } outcome = Outcome::NothingFound;
    std::string path;  // the history file, or the export that could not be read
    EventHistory history;
};

// Builds the history and writes it to `historyPath` through the replacer (the old file becoming
// its backup); `ownLogPath` is only read. A history path named like the own log is refused.
HistoryImport ImportEvents(const EventReading& reading, const std::string& ownLogPath, const std::string& historyPath,
                           FileReplacer& replacer, const LocalTimeOf& localTime);
// The same from the System log read now, or from an exported file (at most kLargestExport bytes).
HistoryImport ImportEventLog(SystemEventLog& log, const std::string& ownLogPath, const std::string& historyPath,
                             FileReplacer& replacer, const LocalTimeOf& localTime);
HistoryImport ImportEventExport(const std::string& exportPath, const std::string& ownLogPath,
                                const std::string& historyPath, FileReplacer& replacer, const LocalTimeOf& localTime);
inline constexpr std::int64_t kLargestExport = std::int64_t{1} << 30;

// The import as the viewer runs it: from the System log, or where that cannot be read and `ask`
// agrees, from an export chosen in the file dialog, into the history beside the own log; `tell`
// shows what came of it (`failed` for anything but a history written). nullopt when the user
// declined or cancelled.
using AskUser = std::function<bool(const std::string& question)>;
using TellUser = std::function<void(const std::string& text, bool failed)>;
std::optional<HistoryImport> ImportAsked(SystemEventLog& log, FileDialogs& dialogs, const AskUser& ask,
                                         const TellUser& tell, const std::string& ownLogPath, FileReplacer& replacer,
                                         const LocalTimeOf& localTime);

// What the viewer tells the user of an import.
std::string ImportMessage(const HistoryImport& import);
// The question asked when the System log cannot be read, and what the file dialog offers.
extern const char* const kEventLogUnreadableQuestion;
extern const FileOpenRequest kBrowseEventExport;

}  // namespace kestrowa
