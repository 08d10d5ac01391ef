#include <gtest/gtest.h>

#include "ViewerTestLog.h"
#include "fakes/MemoryProfile.h"
#include "platform/Profile.h"
#include "shared/SessionLog.h"
#include "viewer/MonthModel.h"

using namespace kestrowa;

namespace {

// A moment long after the months read, so that no session is closed at the now line by accident
// unless the test means it.
constexpr DateTime kLater{2011, 1, 15, 12, 0, 0};

std::vector<std::string> Sessions(const MonthModel& m) {
    std::vector<std::string> texts;
    for (const SessionEntry& s : m.sessions) texts.push_back(s.start + " - " + s.end + " =" + s.hours);
    return texts;
}

}  // namespace

TEST(MonthShape, WeekdayOfTheFirstAndLength) {
    struct Case {
        int year, month, weekday, days;
    } cases[] = {
        {2008, 2, 5, 29}, {2009, 2, 0, 28}, {2000, 2, 2, 29}, {1900, 2, 4, 28}, {2001, 1, 1, 31},
        {1600, 1, 6, 31}, {2010, 5, 6, 31}, {2026, 12, 2, 31}, {2009, 4, 3, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "/" + std::to_string(c.month));
        MonthShapeResult shape = MonthShape(c.year, c.month);
        EXPECT_EQ(shape.firstWeekday, c.weekday);
        EXPECT_EQ(shape.days, c.days);
    }
    // A year typed into the edit before the calendar's start still lands in a column.
    int weekday = MonthShape(5, 3).firstWeekday;
    EXPECT_TRUE(weekday >= 0 && weekday <= 6);
}

TEST(MonthModel, NowLineAndCaptionTexts) {
    DateTime now{2009, 5, 20, 10, 15, 42};
    EXPECT_EQ(NowLine(now), "E 09/05/20 10:15");
    EXPECT_EQ(NowCaption(now), " (2009/05/20 10:15 現在)");
    EXPECT_EQ(WindowTitle("", NowCaption(now)), " Orvelle Check  (2009/05/20 10:15 現在)");
    EXPECT_EQ(WindowTitle("D:\\logs\\MEASONTM.LOG", NowCaption(now)), "Orvelle Check (D:\\logs\\MEASONTM.LOG)");
    MemoryProfile recorder;
    EXPECT_EQ(OwnLogPath(ApplicationFolder(recorder)), "Kestrofl.dat");
}

TEST(ReadMonth, PairsStartsWithEnds) {
    struct Case {
        const char* name;
        std::string log;
        int year, month;
        std::vector<std::string> sessions;
        int totalMinutes;
    } cases[] = {
        {"across midnight, counted on the start day", CrLf({"S 09/05/10 23:00", "E 09/05/11 01:30"}), 2009, 5,
         {"09/05/10 23:00 - 09/05/11 01:30 =  2.50"}, 150},
        {"one day added however many lie between", CrLf({"S 09/05/10 10:00", "E 09/05/13 09:00"}), 2009, 5,
         {"09/05/10 10:00 - 09/05/13 09:00 = 23.00"}, 1380},
        {"zero minutes dropped", CrLf({"S 09/05/10 10:00", "E 09/05/10 10:00"}), 2009, 5, {}, 0},
        {"end dated before its start dropped", CrLf({"S 09/05/20 08:00", "E 09/05/19 22:00"}), 2009, 5, {}, 0},
        {"second start ignored while open", CrLf({"S 09/05/10 08:00", "S 09/05/10 09:00", "E 09/05/10 10:00"}), 2009,
         5, {"09/05/10 08:00 - 09/05/10 10:00 =  2.00"}, 120},
        {"end without start ignored", CrLf({"E 09/05/10 08:00", "S 09/05/10 09:00", "E 09/05/10 10:00"}), 2009, 5,
         {"09/05/10 09:00 - 09/05/10 10:00 =  1.00"}, 60},
        {"month end closed by the next month's end", CrLf({"S 09/05/31 23:00", "E 09/06/01 00:30"}), 2009, 5,
         {"09/05/31 23:00 - 09/06/01 00:30 =  1.50"}, 90},
        {"that end finds no start in its own month", CrLf({"S 09/05/31 23:00", "E 09/06/01 00:30"}), 2009, 6, {}, 0},
        {"year end closed by January", CrLf({"S 09/12/31 23:00", "E 10/01/01 01:00"}), 2009, 12,
         {"09/12/31 23:00 - 10/01/01 01:00 =  2.00"}, 120},
        {"reading stops at the next month's start", CrLf({"S 09/09/30 22:00", "S 09/10/01 08:00", "E 09/10/01 09:00"}),
         2009, 9, {}, 0},
        {"lines of other months and blank lines skipped",
         CrLf({"S 09/04/30 22:00", "E 09/05/01 01:00", "", "S 09/05/02 08:00", "", "E 09/05/02 08:45"}), 2009, 5,
         {"09/05/02 08:00 - 09/05/02 08:45 =  0.75"}, 45},
        {"bad digits count as zero", CrLf({"S 09/05/02 xx:30", "E 09/05/02 01:00"}), 2009, 5,
         {"09/05/02 xx:30 - 09/05/02 01:00 =  0.50"}, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MonthModel m = TestLog(c.log).Month(c.year, c.month, kLater);
        EXPECT_EQ(m.sessions.size(), c.sessions.size());
        EXPECT_EQ(Sessions(m), c.sessions);
        EXPECT_EQ(m.totalMinutes, c.totalMinutes);
    }
}

TEST(ReadMonth, LongLinesArriveInPiecesOf199Characters) {
    // The piece after 199 characters is a line of its own and pairs like any other.
    MonthModel split = TestLog(CrLf({"S 09/05/10 08:00", (std::string(199, 'x') + "E 09/05/10 09:00").c_str()}))
                           .Month(2009, 5, kLater);
    EXPECT_EQ(Sessions(split), (std::vector<std::string>{"09/05/10 08:00 - 09/05/10 09:00 =  1.00"}));
    MonthModel whole = TestLog(CrLf({"S 09/05/10 08:00", (std::string(198, 'x') + "E 09/05/10 09:00").c_str()}))
                           .Month(2009, 5, kLater);
    EXPECT_TRUE(whole.sessions.empty());
}

TEST(ReadMonth, OwnLogClosesTheRunningSessionAtTheNowLine) {
    TestLog log(CrLf({"S 09/05/19 09:00", "E 09/05/19 10:00", "S 09/05/20 08:00"}));
    const DateTime now{2009, 5, 20, 10, 15, 0};
    MonthModel own = log.Month(2009, 5, now);
    ASSERT_EQ(own.sessions.size(), 2u);
    EXPECT_EQ(own.sessions[1].end, "09/05/20 10:15");
    EXPECT_EQ(own.sessions[1].hours, "  2.25");
    EXPECT_EQ(own.totalMinutes, 60 + 135);

    MonthModel second = log.Month(2009, 5, now, false);
    EXPECT_EQ(second.sessions.size(), 1u);
    EXPECT_EQ(second.totalMinutes, 60);

    // Only a start that is the last line read runs on; a later line leaves it open and dropped.
    MonthModel trailing = TestLog(CrLf({"S 09/05/20 08:00", "X"})).Month(2009, 5, now);
    EXPECT_TRUE(trailing.sessions.empty());
}

TEST(ReadMonth, EmptyMonthTexts) {
    MonthModel m = TestLog(CrLf({"S 09/04/10 08:00", "E 09/04/10 09:00"})).Month(2009, 5, kLater);
    EXPECT_TRUE(m.sessions.empty());
    EXPECT_EQ(m.totalHm, "0:00");
    EXPECT_EQ(m.totalDecimal, "0.00");
    EXPECT_EQ(m.dayCounterText, "1");
    EXPECT_EQ(m.averagePerStartHm, " 0:00 /回");
    EXPECT_EQ(m.averagePerStartDecimal, " 0.00 /回");
    EXPECT_TRUE(m.days.empty());
    EXPECT_EQ(m.firstWeekday, 5);
    EXPECT_EQ(m.daysInMonth, 31);
}

TEST(ReadMonth, TotalsAveragesAndDayList) {
    TestLog log(CrLf({"S 09/05/05 08:00", "E 09/05/05 12:00", "S 09/05/05 13:00", "E 09/05/05 18:00",
                      "S 09/05/10 23:00", "E 09/05/11 01:30", "S 09/05/12 08:00", "E 09/05/12 14:00",
                      "S 09/05/12 15:00", "E 09/05/12 20:00"}));
    MonthModel m = log.Month(2009, 5, kLater);
    EXPECT_EQ(m.totalHm, "22:30");
    EXPECT_EQ(m.totalDecimal, "22.50");
    EXPECT_EQ(m.totalText, "22:30");
    EXPECT_EQ(m.dayCounterText, "3");
    EXPECT_EQ(m.averagePerStartHm, " 4:30 /回");
    EXPECT_EQ(m.averagePerStartDecimal, " 4.50 /回");
    EXPECT_EQ(m.averagePerDayHm, " 7:30 /日");
    EXPECT_EQ(m.averagePerDayDecimal, " 7.50 /日");
    EXPECT_EQ(m.startsPerDay, (std::vector<std::string>{"   2", "   1", "   2"}));
    ASSERT_EQ(m.days.size(), 3u);
    // Below ten hours in six characters, from ten up in five.
    EXPECT_EQ(m.days[0].date, "09/05/05");
    EXPECT_EQ(m.days[0].hours, "  9.00");
    EXPECT_EQ(m.days[1].hours, "  2.50");
    EXPECT_EQ(m.days[2].hours, "11.00");
    EXPECT_EQ(m.days[2].starts, "   2");

    MonthModel decimal = log.Month(2009, 5, kLater, true, kTimeDecimal);
    EXPECT_EQ(decimal.totalText, "22.50");
    EXPECT_EQ(decimal.averageText, " 4.50 /回");
}

TEST(ReadMonth, HoursAndMinutesAreTruncated) {
    MonthModel m = TestLog(CrLf({"S 09/05/05 08:00", "E 09/05/05 09:01"})).Month(2009, 5, kLater);
    EXPECT_EQ(m.totalHm, "1:01");
    EXPECT_EQ(TestLog(CrLf({"S 09/05/05 08:00", "E 09/05/05 10:59"})).Month(2009, 5, kLater).averagePerStartHm,
              " 2:59 /回");
    EXPECT_EQ(HoursMinutesText("%d:%02d", 2.99f), "2:59");
}

TEST(ReadMonth, DayCounterCountsDateChangesOfDroppedStartsToo) {
    MonthModel m = TestLog(CrLf({"S 09/05/05 08:00", "E 09/05/05 09:00", "S 09/05/06 08:00", "E 09/05/06 08:00",
                                 "S 09/05/07 08:00", "E 09/05/07 09:00"}))
                       .Month(2009, 5, kLater);
    EXPECT_EQ(m.sessions.size(), 2u);
    EXPECT_EQ(m.dayCounterText, "3");
}

TEST(ReadMonth, StopsAtThreeHundredSessions) {
    std::string bytes;
    for (int i = 0; i < 301; ++i) {
        const int day = 1 + i / 10, hour = 1 + i % 10 * 2;
        bytes += CrLf({""}) + "S 09/05/" + (day < 10 ? "0" : "") + std::to_string(day) + " " + (hour < 10 ? "0" : "") +
                 std::to_string(hour) + ":00\r\n";
        bytes += std::string("E 09/05/") + (day < 10 ? "0" : "") + std::to_string(day) + " " + (hour < 10 ? "0" : "") +
                 std::to_string(hour) + ":30\r\n";
    }
    MonthModel m = TestLog(bytes).Month(2009, 5, kLater);
    EXPECT_EQ(m.sessions.size(), 300u);
    EXPECT_EQ(m.totalMinutes, 300 * 30);
    EXPECT_EQ(m.dayCounterText, "30");
}

TEST(ReadMonth, UnreadableLogLeavesTheModel) {
    MonthModel model;
    model.totalText = "keep";
    EXPECT_FALSE(ReadMonth({"/nonexistent/Kestrofl.dat", true, "E 09/05/20 10:15"}, 2009, 5, 0, model));
    EXPECT_EQ(model.totalText, "keep");
}
