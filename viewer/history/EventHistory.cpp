#include "viewer/history/EventHistory.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <tuple>

#include "platform/File.h"
#include "shared/LogLine.h"
#include "shared/SessionLog.h"
#include "shared/SessionScanner.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {

// Where a start or a stop was read; two sources of one family report the same moment.
enum Source : unsigned {
    kBoot = 1,            // Kernel-General 12
    kEventLogStart = 2,   // EventLog 6005
    kResume = 4,          // Kernel-Power 107
    kWake = 8,            // Power-Troubleshooter 1, its wake time
    kShutdown = 16,       // Kernel-General 13
    kEventLogStop = 32,   // EventLog 6006
    kSleep = 64,          // Kernel-Power 42
    kSleepTime = 128,     // Power-Troubleshooter 1, its sleep time
};

unsigned FamilyOf(unsigned source) {
    for (unsigned family : {kBoot | kEventLogStart, kResume | kWake, kShutdown | kEventLogStop, kSleep | kSleepTime})
        if (source & family) return family;
    return 0;
}

// At one moment a stop is taken before a start, and any event is seen after the start it
// belongs to.
enum class MarkKind { Stop, UnexpectedStop, Start, Seen };

struct Mark {
    std::int64_t time = 0;
    MarkKind kind = MarkKind::Seen;
    unsigned source = 0;
    std::optional<std::int64_t> named;  // the moment an unexpected stop names
    bool operator<(const Mark& other) const { return std::tie(time, kind) < std::tie(other.time, other.kind); }
};

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// The UTC moment that EventLog 6008 names: its binary data holds the time of the stop twice, as
// two SYSTEMTIME records (eight 16-bit numbers, low byte first), local and then UTC.
std::optional<std::int64_t> NamedStop(std::string_view hex) {
    constexpr size_t kRecords = 32;
    if (hex.size() < 2 * kRecords) return std::nullopt;
    auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    int field[8] = {};
    for (int i = 0; i < 8; ++i) {
        int value = 0;
        // Byte 16 + 2i is the low byte of field i of the UTC record.
        for (size_t byte : {size_t(17 + 2 * i), size_t(16 + 2 * i)}) {
            const int hi = nibble(hex[2 * byte]), lo = nibble(hex[2 * byte + 1]);
            if (hi < 0 || lo < 0) return std::nullopt;
            value = value * 256 + hi * 16 + lo;
        }
        field[i] = value;
    }
    // year, month, day of week, day, hour, minute, second, milliseconds
    return ParseEventTime(Format("%04d-%02d-%02dT%02d:%02d:%02dZ", field[0], field[1], field[3], field[4], field[5],
                                 field[6]));
}

bool DataTime(const SystemEvent& e, std::string_view name, std::int64_t& time) {
    const std::string* text = e.Data(name);
    const std::optional<std::int64_t> parsed = text ? ParseEventTime(*text) : std::nullopt;
    if (parsed) time = *parsed;
    return parsed.has_value();
}

// The starts and stops an event reports, beside its being seen.
void MarksOf(const SystemEvent& e, std::vector<Mark>& marks, EventCounts& counts) {
    marks.push_back({e.time, MarkKind::Seen, 0, std::nullopt});
    auto add = [&](std::int64_t time, MarkKind kind, unsigned source) {
        marks.push_back({time, kind, source, std::nullopt});
    };
    if (SameText(e.provider, "Microsoft-Windows-Kernel-General")) {
        if (e.id == 12) add(e.time, MarkKind::Start, kBoot);
        if (e.id == 13) add(e.time, MarkKind::Stop, kShutdown);
    } else if (SameText(e.provider, "EventLog")) {
        if (e.id == 6005) add(e.time, MarkKind::Start, kEventLogStart);
        if (e.id == 6006) add(e.time, MarkKind::Stop, kEventLogStop);
        if (e.id == 6008) marks.push_back({e.time, MarkKind::UnexpectedStop, 0, NamedStop(e.binary)});
    } else if (SameText(e.provider, "Microsoft-Windows-Kernel-Power")) {
        if (e.id == 42) add(e.time, MarkKind::Stop, kSleep);
        if (e.id == 107) add(e.time, MarkKind::Start, kResume);
        if (e.id == 41) add(e.time, MarkKind::UnexpectedStop, 0);
    } else if (SameText(e.provider, "Microsoft-Windows-Power-Troubleshooter") && e.id == 1) {
        std::int64_t sleep = 0, wake = 0;
        // Written after the wake: a sleep that ends before it began, or after the event, is none.
        if (!DataTime(e, "SleepTime", sleep) || !DataTime(e, "WakeTime", wake) || sleep >= wake ||
            wake > e.time + kSameMoment) {
            ++counts.untrusted;
            return;
        }
        add(sleep, MarkKind::Stop, kSleepTime);
        add(wake, MarkKind::Start, kWake);
    }
}

}  // namespace

EventSessions PairEvents(const EventReading& reading) {
    EventSessions found;
    EventCounts& counts = found.counts;
    counts.events = reading.events.size();
    counts.broken = reading.broken;
    std::int64_t latest = std::numeric_limits<std::int64_t>::min();
    for (const SystemEvent& e : reading.events) {
        if (e.time < latest) ++counts.outOfOrder;
        latest = std::max(latest, e.time);
    }

    // The events in time order, each record once.
    std::vector<const SystemEvent*> order;
    for (const SystemEvent& e : reading.events) order.push_back(&e);
    auto key = [](const SystemEvent* e) { return std::tie(e->time, e->provider, e->id, e->record); };
    std::stable_sort(order.begin(), order.end(), [&](const SystemEvent* a, const SystemEvent* b) { return key(a) < key(b); });
    std::vector<Mark> marks;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && key(order[i]) == key(order[i - 1])) {
            ++counts.duplicated;
            continue;
        }
        MarksOf(*order[i], marks, counts);
    }
    std::stable_sort(marks.begin(), marks.end());

    std::vector<EventSession>& sessions = found.sessions;
    bool running = false;
    std::int64_t start = 0, lastSeen = 0;
    unsigned startSources = 0, stopSources = 0;
    // The session the running one's start ended without a known end: an unexpected stop
    // reported in this boot may name it. Then the session the last stop ended.
    constexpr size_t kNone = SIZE_MAX;
    size_t endUnknown = kNone, stopped = kNone;
    auto close = [&](std::int64_t end) {
        sessions.push_back({start, end});
        running = false;
    };
    for (const Mark& m : marks) {
        switch (m.kind) {
            case MarkKind::Seen:
                if (running) lastSeen = std::max(lastSeen, m.time);
                break;
            case MarkKind::Start:
                if (running && FamilyOf(m.source) == FamilyOf(startSources) && !(startSources & m.source) &&
                    m.time - start <= kSameMoment) {
                    startSources |= m.source;
                    break;
                }
                stopped = endUnknown = kNone;
                if (running) {
                    close(lastSeen);
                    ++counts.unknownEnds;
                    endUnknown = sessions.size() - 1;
                }
                running = true;
                start = lastSeen = m.time;
                startSources = m.source;
                break;
            case MarkKind::Stop:
                if (running) {
                    close(m.time);
                    endUnknown = kNone;
                    stopped = sessions.size() - 1;
                    stopSources = m.source;
                } else if (stopped != kNone && FamilyOf(m.source) == FamilyOf(stopSources) &&
                           !(stopSources & m.source) && m.time - sessions[stopped].end <= kSameMoment) {
                    sessions[stopped].end = m.time;
                    stopSources |= m.source;
                }
                break;
            case MarkKind::UnexpectedStop:
                if (!running || endUnknown == kNone || !m.named) break;
                if (EventSession& ended = sessions[endUnknown]; *m.named > ended.start && *m.named <= start) {
                    // Events seen after the moment named show the system ran on until them.
                    ended.end = std::max(ended.end, *m.named);
                    --counts.unknownEnds;
                    endUnknown = kNone;
                } else {
                    ++counts.untrusted;
                }
                break;
        }
    }
    if (running) {
        close(lastSeen);
        ++counts.unknownEnds;
    }
    return found;
}

EventHistory HistoryLines(const EventSessions& found, const LocalTimeOf& localTime,
                          const std::optional<DateTime>& ownLogStart) {
    EventHistory history;
    history.counts = found.counts;
    for (const EventSession& s : found.sessions) {
        std::optional<DateTime> start = localTime(s.start);
        std::optional<DateTime> end = localTime(s.end);
        // Lines carry two year digits: only these years read back as they were.
        auto fits = [](const std::optional<DateTime>& t) { return t && t->year >= 2000 && t->year <= 2099; };
        if (!fits(start) || !fits(end)) {
            ++history.counts.untrusted;
            continue;
        }
        start->second = end->second = 0;
        if (ownLogStart) {
            if (*start >= *ownLogStart) break;
            end = std::min(*end, *ownLogStart);
        }
        std::string startLine = FileLine(FullStartLine(*start));
        std::string endLine = FileLine(FullEndLine(*end));
        if (SessionMinutes(ParseLogLine(startLine), ParseLogLine(endLine)) <= 0) continue;
        if (history.sessions++ == 0) history.first = *start;
        history.last = *end;
        history.lines += startLine + "\r\n" + endLine + "\r\n";
    }
    return history;
}

std::optional<DateTime> OwnLogStart(const std::string& ownLogPath) {
    // The first dated start or end line; the read ends soon after it.
    class FirstLine final : public SessionReader {
    public:
        void Line(std::string_view line, bool) override {
            if (!first && (line[0] == 'S' || line[0] == 'E')) first = ParseLogLine(line);
        }
        void Session(const ScannedSession&) override {}
        bool Enough(std::string_view) override { return first.has_value(); }
        std::optional<LogStamp> first;
    } reader;
    if (!ScanLog(ownLogPath, ScanOptions{}, reader) || !reader.first) return std::nullopt;
    const std::string_view date = reader.first->Date();
    const int minutes = reader.first->minutes;
    return DateTime{FullYear(TwoColumns(date, 0)), TwoColumns(date, 3), TwoColumns(date, 6), minutes / 60, minutes % 60, 0};
}

std::string FileBeside(std::string_view path, std::string_view name) {
    const size_t separator = path.find_last_of("\\/");
    return std::string(separator == std::string_view::npos ? std::string_view() : path.substr(0, separator + 1)) +
           std::string(name);
}

HistoryImport ImportEvents(const EventReading& reading, const std::string& ownLogPath, const std::string& historyPath,
                           FileReplacer& replacer, const LocalTimeOf& localTime) {
    HistoryImport import;
    import.path = historyPath;
    import.history = HistoryLines(PairEvents(reading), localTime, OwnLogStart(ownLogPath));
    if (import.history.sessions == 0) return import;
    const std::string name = historyPath.substr(FileBeside(historyPath, "").size());
    const bool ownLog = historyPath == ownLogPath || SameText(name, "Kestrofl.dat") || SameText(name, "Kestrofl.bak");
    // A history that is no file yet is made empty first: the replacer puts a new file only in the
    // place of one.
    const bool written = !ownLog && (CreateNewFile(historyPath) || OpenFile(historyPath, "rb")) &&
                         replacer.ReplaceKeepingBackup(historyPath, FileBeside(historyPath, kEventHistoryBackupName),
                                                       import.history.lines);
    import.outcome = written ? HistoryImport::Outcome::Written : HistoryImport::Outcome::NotWritten;
    return import;
}

HistoryImport ImportEventLog(SystemEventLog& log, const std::string& ownLogPath, const std::string& historyPath,
                             FileReplacer& replacer, const LocalTimeOf& localTime) {
    EventReading reading;
    if (!log.ReadEvents([&reading](std::string_view xml) { ReadEvents(xml, reading); }))
        return {HistoryImport::Outcome::LogUnreadable, historyPath, {}};
    return ImportEvents(reading, ownLogPath, historyPath, replacer, localTime);
}

HistoryImport ImportEventExport(const std::string& exportPath, const std::string& ownLogPath,
                                const std::string& historyPath, FileReplacer& replacer, const LocalTimeOf& localTime) {
    const HistoryImport unreadable{HistoryImport::Outcome::FileUnreadable, exportPath, {}};
    FilePtr file = OpenFile(exportPath, "rb");
    const std::int64_t length = file ? FileLength(file.get()) : -1;
    if (length < 0 || length > kLargestExport) return unreadable;
    std::string bytes(static_cast<size_t>(length), '\0');
    if (ReadAt(file.get(), 0, bytes.data(), bytes.size()) != bytes.size()) return unreadable;
    EventReading reading;
    ReadEventExport(bytes, reading);
    return ImportEvents(reading, ownLogPath, historyPath, replacer, localTime);
}

std::optional<HistoryImport> ImportAsked(SystemEventLog& log, FileDialogs& dialogs, const AskUser& ask,
                                         const TellUser& tell, const std::string& ownLogPath, FileReplacer& replacer,
                                         const LocalTimeOf& localTime) {
    const std::string historyPath = FileBeside(ownLogPath, kEventHistoryName);
    HistoryImport import = ImportEventLog(log, ownLogPath, historyPath, replacer, localTime);
    if (import.outcome == HistoryImport::Outcome::LogUnreadable) {
        if (!ask(kEventLogUnreadableQuestion)) return std::nullopt;
        const std::string exportPath = dialogs.ChooseFileToOpen(kBrowseEventExport);
        if (exportPath.empty()) return std::nullopt;
        import = ImportEventExport(exportPath, ownLogPath, historyPath, replacer, localTime);
    }
    tell(ImportMessage(import), import.outcome != HistoryImport::Outcome::Written);
    return import;
}

const char* const kEventLogUnreadableQuestion =
    "Windowsのイベントログを読み取れません（読み取る権限がないか、イベントログがありません）。\n"
    "書き出したXMLファイル（wevtutil qe System /f:xml）から読み込みますか？";

const FileOpenRequest kBrowseEventExport{"xml files (*.xml)|*.xml|All files (*.*)|*.*||", "xml", "*.xml"};

std::string ImportMessage(const HistoryImport& import) {
    const EventHistory& h = import.history;
    auto Count = [](size_t n) { return static_cast<long long>(n); };
    switch (import.outcome) {
        case HistoryImport::Outcome::LogUnreadable: return kEventLogUnreadableQuestion;
        case HistoryImport::Outcome::FileUnreadable: return "ファイル " + import.path + " を読み取れません。";
        case HistoryImport::Outcome::NotWritten: return "ファイル " + import.path + " に書き込めません。";
        case HistoryImport::Outcome::NothingFound:
            return Format("イベント %lld 件の中に、記録の始まりより前の起動・終了は見つかりませんでした。", Count(h.counts.events));
        case HistoryImport::Outcome::Written: break;
    }
    std::string text = Format("イベント %lld 件から %d 回の稼働（%04d/%02d/%02d ～ %04d/%02d/%02d）を見つけ、\n",
                              Count(h.counts.events), h.sessions, h.first.year, h.first.month, h.first.day, h.last.year,
                              h.last.month, h.last.day) +
                       import.path + " に書き込みました。";
    if (h.counts.unknownEnds > 0)
        text += Format("\n終わりの記録がない %lld 回は、その稼働中の最後の記録の時刻で終えました。", Count(h.counts.unknownEnds));
    if (h.counts.broken + h.counts.untrusted > 0)
        text += Format("\n読み取れないイベント %lld 件と、食い違う時刻 %lld 件は除きました。", Count(h.counts.broken),
                       Count(h.counts.untrusted));
    return text;
}

}  // namespace kestrowa
