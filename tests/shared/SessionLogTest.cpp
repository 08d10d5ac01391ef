#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "TempDir.h"
#include "platform/File.h"
#include "shared/SessionLog.h"

using namespace kestrowa;

TEST(SessionLog, AppendWritesEighteenBytesAndCreatesTheFile) {
    TempDir dir;
    SessionLog log(dir.File("Kestrofl.dat"));
    EXPECT_FALSE(log.Exists());
    log.AppendLine("S 2011/05/03 08:15");
    EXPECT_TRUE(log.Exists());
    EXPECT_EQ(dir.Read("Kestrofl.dat"), "S 11/05/03 08:15\r\n");
    log.AppendLine("");
    log.AppendLine("E 2011/05/03 10:45");
    EXPECT_EQ(dir.Read("Kestrofl.dat"), "S 11/05/03 08:15\r\n\r\nE 11/05/03 10:45\r\n");
}

// What the file held stays; a last line without its line break is ended first, so that the new
// line is a line of its own.
TEST(SessionLog, AppendKeepsWhatTheFileHeldAndStartsOnALineOfItsOwn) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        std::string held;
        const char* added;  // before the appended line
    } cases[] = {
        {"empty", "", ""},
        {"ended by CR LF", "E 11/05/03 12:00\r\n", ""},
        {"ended by LF alone", "S 11/05/02 18:04\n(hand note)\n", ""},
        {"saved without the last line break", "S 11/05/02 18:04\n(hand note)", "\r\n"},
        {"ended by CR alone", "E 11/05/03 12:00\r", "\r\n"},
        {"ended by a NUL byte", "E 11/05/03 12:00\r\n\0"s, "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        dir.Write("Kestrofl.dat", c.held);
        SessionLog(dir.File("Kestrofl.dat")).AppendLine("S 2011/05/04 08:15");
        EXPECT_EQ(dir.Read("Kestrofl.dat"), c.held + c.added + "S 11/05/04 08:15\r\n");
    }
}

// Every reader pairs sessions through the one scanner, which the month summary uses too.
TEST(SessionLog, TheSessionAfterALogSavedWithoutItsLastLineBreakIsCounted) {
    TempDir dir;
    dir.Write("Kestrofl.dat", "S 11/05/03 08:00\r\nE 11/05/03 12:00");
    const SessionLog log(dir.File("Kestrofl.dat"));
    log.AppendLine("S 2011/05/03 13:00");
    log.AppendLine("E 2011/05/03 14:30");
    const MonthSummary summary = log.SummarizeMonth({2011, 5, 3, 15, 0, 0});
    EXPECT_EQ(summary.sessions, 2);
    EXPECT_EQ(summary.minutes, 4 * 60 + 90);
}

// A log that cannot be opened for appending is told to the caller, with the reason.
TEST(SessionLog, AppendToAnUnwritablePlaceReportsIt) {
    struct Case {
        const char* name;
        const char* log;
        int error;
    } cases[] = {
        {"in a missing folder", "no-such-folder/Kestrofl.dat", ENOENT},
        {"a folder at the log's name", "folder", EISDIR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        std::filesystem::create_directory(dir.File("folder"));
        SessionLog log(dir.File(c.log));
        EXPECT_FALSE(log.AppendLine("S 2011/05/03 08:15"));
        const AppendResult result = log.AppendText("S 11/05/03 08:15\r\n", false);
        EXPECT_EQ(result.written, 0u);
        EXPECT_EQ(result.error, c.error);
        EXPECT_FALSE(log.Exists());
        EXPECT_EQ(log.LastNonEmptyLine(), "");
        EXPECT_FALSE(log.SummarizeMonth({2011, 5, 3, 9, 0, 0}).logPresent);
    }
}

// The rest of a line cut short goes on that line; whole lines start on a line of their own.
TEST(SessionLog, AppendTextContinuesACutLineOnlyWhenTold) {
    TempDir dir;
    dir.Write("Kestrofl.dat", "S 11/05/");
    const SessionLog log(dir.File("Kestrofl.dat"));
    EXPECT_EQ(log.AppendText("03 08:15\r\n", true).written, 10u);
    EXPECT_TRUE(log.AppendLine("E 2011/05/03 09:00"));
    EXPECT_EQ(dir.Read("Kestrofl.dat"), "S 11/05/03 08:15\r\nE 11/05/03 09:00\r\n");
}

TEST(SessionLog, LastNonEmptyLineSkipsBlankLines) {
    TempDir dir;
    SessionLog log(dir.File("Kestrofl.dat"));
    dir.Write("Kestrofl.dat", CrLf({"S 11/05/02 18:04", "E 11/05/02 22:47", "", ""}));
    EXPECT_EQ(log.LastNonEmptyLine(), "E 11/05/02 22:47");
    dir.Write("Kestrofl.dat", "\r\n\r\n");
    EXPECT_EQ(log.LastNonEmptyLine(), "");
}

struct SummaryCase {
    const char* name;
    std::string log;
    DateTime today;
    int minutes;
    int sessions;
};

class MonthSummaryTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(MonthSummaryTest, SumsTheSessionsOfTheMonth) {
    TempDir dir;
    dir.Write("Kestrofl.dat", GetParam().log);
    MonthSummary s = SessionLog(dir.File("Kestrofl.dat")).SummarizeMonth(GetParam().today);
    EXPECT_TRUE(s.logPresent);
    EXPECT_EQ(s.minutes, GetParam().minutes);
    EXPECT_EQ(s.sessions, GetParam().sessions);
}

std::string ManySessions(int n) {
    std::string bytes;
    for (int i = 0; i < n; ++i) bytes += CrLf({"S 11/05/03 08:00", "E 11/05/03 08:01"});
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonthSummaryTest,
    ::testing::Values(
        SummaryCase{"OtherMonthsLeftOut",
                    CrLf({"S 11/04/30 10:00", "E 11/04/30 11:00", "S 11/05/03 08:15", "E 11/05/03 10:45",
                          "S 10/05/03 08:15", "E 10/05/03 09:15"}),
                    {2011, 5, 20, 9, 0, 0}, 150, 1},
        SummaryCase{"AcrossMidnight", CrLf({"S 11/05/03 23:00", "E 11/05/04 01:30"}), {2011, 5, 4, 9, 0, 0}, 150, 1},
        SummaryCase{"SecondStartIgnored",
                    CrLf({"S 11/05/03 08:00", "S 11/05/03 09:00", "E 11/05/03 10:00"}), {2011, 5, 4, 9, 0, 0}, 120, 1},
        SummaryCase{"EndWithoutStart", CrLf({"E 11/05/03 08:00", "S 11/05/03 09:00", "E 11/05/03 10:00"}),
                    {2011, 5, 4, 9, 0, 0}, 60, 1},
        SummaryCase{"BareLineAndBlankLines",
                    CrLf({"S 11/05/02 18:04", "", "S 11/05/03 08:13", "E 11/05/03 09:00"}), {2011, 5, 4, 9, 0, 0},
                    24 * 60 + 9 * 60 - (18 * 60 + 4), 1},
        SummaryCase{"ZeroAndNegativeDropped",
                    CrLf({"S 11/05/03 08:00", "E 11/05/03 08:00", "S 11/05/03 09:00", "E 11/05/03 08:58",
                          "S 11/05/03 10:00", "E 11/05/01 22:00", "S 11/05/03 11:00", "E 11/05/03 11:05"}),
                    {2011, 5, 4, 9, 0, 0}, 5, 1},
        SummaryCase{"RunningSessionNotCounted", CrLf({"S 11/05/03 08:00", "E 11/05/03 09:00", "S 11/05/04 08:00"}),
                    {2011, 5, 4, 9, 0, 0}, 60, 1},
        SummaryCase{"NextMonthEndClosesLastDay",
                    CrLf({"S 11/05/31 22:00", "E 11/06/01 01:30", "S 11/06/01 08:00", "E 11/06/01 09:00"}),
                    {2011, 5, 31, 23, 0, 0}, 210, 1},
        SummaryCase{"NextMonthStartStopsTheRead",
                    CrLf({"S 11/05/31 22:00", "S 11/06/01 08:00", "E 11/06/01 09:00"}), {2011, 5, 31, 23, 0, 0}, 0, 0},
        SummaryCase{"DecemberStopsAtJanuary",
                    CrLf({"S 11/12/31 20:00", "E 12/01/01 00:30", "S 11/12/31 01:00", "E 11/12/31 02:00"}),
                    {2011, 12, 31, 23, 0, 0}, 270, 1},
        SummaryCase{"StopsAtThe300thSession", ManySessions(305), {2011, 5, 4, 9, 0, 0}, 300, 300}),
    [](const ::testing::TestParamInfo<SummaryCase>& p) { return std::string(p.param.name); });

TEST(SessionLog, MonthTexts) {
    MonthSummary s{true, 150, 7};
    EXPECT_EQ(MonthCountText(s), "  7回");
    EXPECT_EQ(MonthTimeText(s, 0), "2時間30分");
    EXPECT_EQ(MonthTimeText(s, 1), "2.50時間");
    MonthSummary none{true, 0, 0};
    EXPECT_EQ(MonthCountText(none), "  0回");
    EXPECT_EQ(MonthTimeText(none, 0), "0時間0分");
    EXPECT_EQ(MonthTimeText(none, 1), "0.00時間");
    EXPECT_EQ(MonthTimeText(MonthSummary{true, 100 * 60 + 59, 1}, 1), "100.98時間");
}
