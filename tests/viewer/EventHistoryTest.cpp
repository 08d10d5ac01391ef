#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TempDir.h"
#include "fakes/ScriptedFileDialogs.h"
#include "shared/Strings.h"
#include "viewer/MonthModel.h"
#include "viewer/analysis/PeriodCount.h"
#include "viewer/history/EventHistory.h"

using namespace kestrowa;

namespace {

constexpr const char* kGeneral = "Microsoft-Windows-Kernel-General";
constexpr const char* kPower = "Microsoft-Windows-Kernel-Power";
constexpr const char* kEventLog = "EventLog";
constexpr const char* kTroubleshooter = "Microsoft-Windows-Power-Troubleshooter";

// One event in the form wevtutil prints it, one a line.
std::string Ev(const char* provider, int id, const char* time, int record, const char* data = "") {
    return Format("<Event xmlns='http://schemas.microsoft.com/win/2004/08/events/event'><System><Provider Name='%s'/>"
                  "<EventID Qualifiers='0'>%d</EventID><Level>4</Level><TimeCreated SystemTime='%s'/>"
                  "<EventRecordID>%d</EventRecordID><Channel>System</Channel><Computer>pc</Computer></System>%s"
                  "</Event>\r\n",
                  provider, id, time, record, data);
}

LocalTimeOf Offset(int minutes) {
    return [minutes](std::int64_t t) { return std::optional<DateTime>(DateTimeFromSeconds(t + minutes * 60)); };
}

constexpr int kJapan = 9 * 60;

const std::vector<std::string> kCleanDays = {
    Ev(kGeneral, 12, "2024-03-04T23:10:05.5000000Z", 101),
    // The event log service starts later in the same boot.
    Ev(kEventLog, 6005, "2024-03-04T23:10:40.0000000Z", 102),
    Ev("Service Control Manager", 7036, "2024-03-05T08:00:00.0000000Z", 103),
    Ev(kEventLog, 6006, "2024-03-05T09:20:10.0000000Z", 104),
    Ev(kGeneral, 13, "2024-03-05T09:20:12.0000000Z", 105),
    Ev(kGeneral, 12, "2024-03-05T23:55:00.0000000Z", 106),
    Ev(kGeneral, 13, "2024-03-06T15:30:00.0000000Z", 107),
    // A start without its Kernel-General event.
    Ev(kEventLog, 6005, "2024-03-07T00:20:00.0000000Z", 108),
    Ev(kEventLog, 6006, "2024-03-07T01:00:00.0000000Z", 109),
};
const std::vector<const char*> kCleanLines = {"S 24/03/05 08:10", "E 24/03/05 18:20", "S 24/03/06 08:55",
                                              "E 24/03/07 00:30", "S 24/03/07 09:20", "E 24/03/07 10:00"};

std::string Joined(const std::vector<std::string>& events) {
    std::string xml;
    for (const std::string& e : events) xml += e;
    return xml;
}

std::string Lines(const std::vector<const char*>& lines) {
    std::string text;
    for (const char* line : lines) (text += line) += "\r\n";
    return text;
}

struct Case {
    const char* name;
    std::string xml;
    int offset;          // minutes from UTC to local time
    const char* ownLog;  // the own log's first line, "" for no own log
    std::vector<const char*> lines;
    std::int64_t minutes;  // the sessions' sum
    EventCounts counts;
};

std::vector<Case> Cases() {
    std::vector<std::string> disorder(kCleanDays.rbegin(), kCleanDays.rend());
    disorder.push_back(kCleanDays[2]);
    disorder.push_back(kCleanDays[0]);
    return {
        {"clean days", Joined(kCleanDays), kJapan, "", kCleanLines, 610 + 935 + 40, {9, 0, 0, 0, 0, 0}},
        {"cut at the own log's first line", Joined(kCleanDays), kJapan, "S 24/03/05 12:00",
         {"S 24/03/05 08:10", "E 24/03/05 12:00"}, 230, {9, 0, 0, 0, 0, 0}},
        {"crash named by 6008, crash with 41 only",
         Joined({
             Ev(kGeneral, 12, "2024-03-10T00:00:00.0000000Z", 201),
             Ev("Microsoft-Windows-Time-Service", 35, "2024-03-10T02:30:00.0000000Z", 202),
             Ev(kGeneral, 12, "2024-03-10T03:05:00.0000000Z", 203),
             Ev(kEventLog, 6005, "2024-03-10T03:05:30.0000000Z", 204),
             // The stop at 11:42:10 local, 02:42:10 UTC: two SYSTEMTIME records.
             Ev(kEventLog, 6008, "2024-03-10T03:05:31.0000000Z", 205,
                "<EventData><Data>11:42:10</Data><Data>2024/03/10</Data><Data></Data><Data></Data><Data>1</Data>"
                "<Binary>E807030000000A000B002A000A000000E807030000000A0002002A000A000000</Binary></EventData>"),
             Ev(kPower, 41, "2024-03-10T03:05:40.0000000Z", 206,
                "<EventData><Data Name='BugcheckCode'>0</Data><Data Name='SleepInProgress'>0</Data></EventData>"),
             Ev(kGeneral, 13, "2024-03-10T08:00:00.0000000Z", 207),
             Ev(kGeneral, 12, "2024-03-11T00:00:00.0000000Z", 208),
             Ev("Microsoft-Windows-Time-Service", 35, "2024-03-11T01:15:30.0000000Z", 209),
             Ev(kGeneral, 12, "2024-03-11T02:00:00.0000000Z", 210),
             Ev(kPower, 41, "2024-03-11T02:00:20.0000000Z", 211),
             Ev(kGeneral, 13, "2024-03-11T03:00:00.0000000Z", 212),
         }),
         kJapan, "",
         {"S 24/03/10 09:00", "E 24/03/10 11:42", "S 24/03/10 12:05", "E 24/03/10 17:00", "S 24/03/11 09:00",
          "E 24/03/11 10:15", "S 24/03/11 11:00", "E 24/03/11 12:00"},
         162 + 295 + 75 + 60, {12, 0, 0, 0, 0, 1}},
        {"sleep and resume, both kinds and the troubleshooter alone",
         Joined({
             Ev(kGeneral, 12, "2024-03-12T00:00:00.0000000Z", 301),
             Ev(kPower, 42, "2024-03-12T03:00:00.0000000Z", 302,
                "<EventData><Data Name='TargetState'>4</Data><Data Name='Reason'>7</Data></EventData>"),
             Ev(kPower, 107, "2024-03-12T04:00:00.0000000Z", 303),
             Ev(kTroubleshooter, 1, "2024-03-12T04:00:30.0000000Z", 304,
                "<EventData><Data Name='SleepTime'>2024-03-12T03:00:02.1234567Z</Data>"
                "<Data Name='WakeTime'>2024-03-12T03:59:58.7654321Z</Data></EventData>"),
             Ev(kTroubleshooter, 1, "2024-03-12T06:30:10.0000000Z", 305,
                "<EventData><Data Name='SleepTime'>2024-03-12T05:00:00.0000000Z</Data>"
                "<Data Name='WakeTime'>2024-03-12T06:30:00.0000000Z</Data></EventData>"),
             Ev(kGeneral, 13, "2024-03-12T08:00:00.0000000Z", 306),
             // A wake before its sleep is not trusted.
             Ev(kTroubleshooter, 1, "2024-03-12T08:30:00.0000000Z", 307,
                "<EventData><Data Name='SleepTime'>2024-03-12T08:20:00Z</Data>"
                "<Data Name='WakeTime'>2024-03-12T08:10:00Z</Data></EventData>"),
         }),
         kJapan, "",
         {"S 24/03/12 09:00", "E 24/03/12 12:00", "S 24/03/12 12:59", "E 24/03/12 14:00", "S 24/03/12 15:30",
          "E 24/03/12 17:00"},
         180 + 61 + 90, {7, 0, 0, 0, 1, 0}},
        {"newest first, two events twice", Joined(disorder), kJapan, "", kCleanLines, 610 + 935 + 40, {11, 0, 2, 10, 0, 0}},
        {"offsets in the stamps, local time five hours behind UTC",
         Joined({
             Ev(kGeneral, 12, "2024-03-15T09:00:00+09:00", 401),
             Ev(kGeneral, 13, "2024-03-15T14:30:00.25+09:00", 402),
             Ev(kGeneral, 12, "2024-03-15T10:00:00-05:00", 403),
             Ev(kGeneral, 13, "2024-03-15T16:45:59Z", 404),
             // A stamp without its zone is no time.
             Ev(kGeneral, 12, "2024-03-15T20:00:00", 405),
         }),
         -5 * 60, "", {"S 24/03/14 19:00", "E 24/03/15 00:30", "S 24/03/15 10:00", "E 24/03/15 11:45"}, 330 + 105,
         {4, 1, 0, 0, 0, 0}},
        {"broken XML",
         Ev(kGeneral, 12, "2024-03-20T00:00:00.0000000Z", 501) +
             "<Event xmlns='http://schemas.microsoft.com/win/2004/08/events/event'><System><Provider Name='EventLog'/>"
             "<EventID>6006</EventID><TimeCreated SystemTime='2024-03-20T01:00:00Z'/></Syst></Event>\r\n" +
             Ev(kGeneral, 13, "2024-03-20T02:00:00Z", 503, "<EventData><Data>&nbsp;</Data></EventData>") +
             "<Event><System><Provider Name='EventLog'/><TimeCreated SystemTime='2024-03-20T02:10:00Z'/></System>"
             "</Event>\r\n" +
             // A CDATA section is passed over unread: the event in it is no event.
             Ev("Application Popup", 26, "2024-03-20T03:00:00Z", 505,
                "<EventData><Data><![CDATA[<Event><System><Provider Name='Microsoft-Windows-Kernel-General'/>"
                "<EventID>13</EventID><TimeCreated SystemTime='2024-03-20T02:30:00Z'/></System></Event>]]></Data>"
                "</EventData>") +
             Ev(kGeneral, 13, "2024-03-20T08:00:00.0000000Z", 506) +
             "<Event xmlns='http://schemas.microsoft.com/win/2004/08/events/event'><System><Provider "
             "Name='Microsoft-Windows-Kernel-General'/><EventID>12</EventID><TimeCr",
         kJapan, "", {"S 24/03/20 09:00", "E 24/03/20 17:00"}, 480, {3, 4, 0, 0, 0, 0}},
    };
}

}  // namespace

// Each fixture gives exactly its lines, and the viewer's month and period readers count on the
// file written the minutes of the fixture's sessions.
TEST(EventHistory, FixturesGiveTheirLinesAndTheReadersTheirMinutes) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (*c.ownLog) dir.Write("Kestrofl.dat", std::string(c.ownLog) + "\r\n");
        EventReading reading;
        ReadEventExport(c.xml, reading);
        const EventHistory history =
            HistoryLines(PairEvents(reading), Offset(c.offset), OwnLogStart(dir.File("Kestrofl.dat")));
        EXPECT_EQ(history.lines, Lines(c.lines));
        EXPECT_EQ(history.counts, c.counts);
        EXPECT_EQ(history.sessions * 2, static_cast<int>(c.lines.size()));

        dir.Write("EventHistory.dat", history.lines);
        MonthModel month;
        ASSERT_TRUE(ReadMonth({dir.File("EventHistory.dat"), false, ""}, 2024, 3, 0, month));
        EXPECT_EQ(month.totalMinutes, c.minutes);
        const auto tallies = CountMonths(dir.File("EventHistory.dat"), {PeriodMode::Monthly, {2024, 3, 1}, {2024, 3, 1}});
        ASSERT_TRUE(tallies && tallies->size() == 1);
        EXPECT_EQ(tallies->front().minutes, c.minutes);
    }
}

// wevtutil prints events without a root element; an export may also have one, a declaration,
// a byte-order mark, or be UTF-16 as a PowerShell redirection writes it.
TEST(EventHistory, EveryFormOfAnExportReadsAlike) {
    const std::string plain = Joined(kCleanDays);
    auto utf16 = [](const std::string& ascii, bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (char c : ascii) bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
        return bytes;
    };
    const std::string rooted = "<?xml version='1.0' encoding='UTF-8'?>\r\n<!-- System -->\r\n<Events>\r\n" + plain +
                               "</Events>\r\n";
    for (const std::string& form : {rooted, "\xEF\xBB\xBF" + plain, utf16(rooted, false), utf16(plain, true),
                                    utf16(plain, false).substr(2)}) {
        EventReading reading;
        ReadEventExport(form, reading);
        const EventHistory history = HistoryLines(PairEvents(reading), Offset(kJapan), std::nullopt);
        EXPECT_EQ(history.lines, Lines(kCleanLines));
        EXPECT_EQ(history.counts, (EventCounts{9, 0, 0, 0, 0, 0}));
    }
}

// The history goes beside the own log through the replacer, the old one kept as the backup; the
// own log is never written, even when named as the history.
TEST(EventHistory, ImportWritesTheHistoryAndKeepsTheOldOneAsBackup) {
    TempDir dir;
    const std::string ownLog = dir.File("Kestrofl.dat");
    dir.Write("Kestrofl.dat", "S 24/03/06 08:00\r\n");
    dir.Write("events.xml", Joined(kCleanDays));
    SystemFileReplacer replacer;
    const std::string history = FileBeside(ownLog, kEventHistoryName);
    HistoryImport first = ImportEventExport(dir.File("events.xml"), ownLog, history, replacer, Offset(kJapan));
    EXPECT_EQ(first.outcome, HistoryImport::Outcome::Written);
    EXPECT_EQ(dir.Read("EventHistory.dat"), Lines({"S 24/03/05 08:10", "E 24/03/05 18:20"}));
    EXPECT_EQ(ImportMessage(first),
              "イベント 9 件から 1 回の稼働（2024/03/05 ～ 2024/03/05）を見つけ、\n" + history + " に書き込みました。");

    dir.Write("Kestrofl.dat", "S 24/03/07 12:00\r\n");
    EXPECT_EQ(ImportEventExport(dir.File("events.xml"), ownLog, history, replacer, Offset(kJapan)).outcome,
              HistoryImport::Outcome::Written);
    EXPECT_EQ(dir.Read("EventHistory.dat"), Lines(kCleanLines));
    EXPECT_EQ(dir.Read("EventHistory.bak"), Lines({"S 24/03/05 08:10", "E 24/03/05 18:20"}));

    EXPECT_EQ(ImportEventExport(dir.File("events.xml"), ownLog, ownLog, replacer, Offset(kJapan)).outcome,
              HistoryImport::Outcome::NotWritten);
    EXPECT_EQ(dir.Read("Kestrofl.dat"), "S 24/03/07 12:00\r\n");
    // A folder is no export; a history path taken by a folder is not written.
    EXPECT_EQ(ImportEventExport(dir.Path().string(), ownLog, history, replacer, Offset(kJapan)).outcome,
              HistoryImport::Outcome::FileUnreadable);
    EXPECT_EQ(ImportEventExport(dir.File("events.xml"), ownLog, dir.Path().string(), replacer, Offset(kJapan)).outcome,
              HistoryImport::Outcome::NotWritten);
}

namespace {
// The System log as Windows would hand it over, or none that can be read.
class ScriptedEventLog : public SystemEventLog {
public:
    bool ReadEvents(const std::function<void(std::string_view xml)>& take) override {
        for (const std::string& e : events) take(e);
        return readable;
    }
    bool readable = true;
    std::vector<std::string> events;
};
}  // namespace

// The System log is read when it can be; otherwise the user is asked, and only a yes and an
// export chosen make a history. Every outcome but a history written is told as a failure.
TEST(EventHistory, TheUserIsAskedForAnExportOnlyWhereTheLogCannotBeRead) {
    TempDir dir;
    dir.Write("events.xml", Joined(kCleanDays));
    SystemFileReplacer replacer;
    const std::string ownLog = dir.File("Kestrofl.dat");
    struct Case {
        bool readable;
        bool yes;
        const char* chosen;
        std::vector<std::string> asked;
        bool imported;
    } cases[] = {
        {true, false, "", {}, true},
        {false, false, "", {kEventLogUnreadableQuestion}, false},
        {false, true, "", {kEventLogUnreadableQuestion, "xml"}, false},
        {false, true, "events.xml", {kEventLogUnreadableQuestion, "xml"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked.size());
        ScriptedEventLog log;
        log.readable = c.readable;
        log.events = kCleanDays;
        ScriptedFileDialogs dialogs;
        dialogs.answers = {*c.chosen ? dir.File(c.chosen) : ""};
        std::vector<std::string> asked, told;
        const std::optional<HistoryImport> import = ImportAsked(
            log, dialogs, [&](const std::string& q) { return asked.push_back(q), c.yes; },
            [&](const std::string& text, bool failed) { told.push_back(text + (failed ? "!" : "")); }, ownLog, replacer,
            Offset(kJapan));
        for (const FileOpenRequest& request : dialogs.asked) asked.push_back(request.defaultExtension);
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(import.has_value(), c.imported);
        if (!c.imported) continue;
        EXPECT_EQ(import->outcome, HistoryImport::Outcome::Written);
        EXPECT_EQ(import->path, dir.File("EventHistory.dat"));
        EXPECT_EQ(told, std::vector<std::string>{ImportMessage(*import)});
        EXPECT_EQ(dir.Read("EventHistory.dat"), Lines(kCleanLines));
    }
}
