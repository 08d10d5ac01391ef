#include <gtest/gtest.h>

#include "ViewerTestLog.h"
#include "viewer/Views.h"

using namespace kestrowa;

namespace {

using Row = std::vector<std::string>;
constexpr DateTime kLater{2011, 1, 15, 12, 0, 0};

ViewOptions Options(int timeMode = kTimeHoursMinutes, DateTime today = kLater) {
    ViewOptions o;
    o.settings.timeMode = timeMode;
    o.today = today;
    return o;
}

ViewOptions SecondLogOptions(DateTime today) {
    ViewOptions o = Options(kTimeHoursMinutes, today);
    o.settings.secondLog = "other.dat";
    return o;
}

std::vector<std::string> Headers(const Table& t) {
    std::vector<std::string> h;
    for (const TableColumn& c : t.columns) h.push_back(c.header);
    return h;
}

}  // namespace

TEST(CalendarView, MonthStartingOnSundayWithWeeklySummary) {
    // February 2015: 28 days from a Sunday, four rows per calendar.
    TestLog log(CrLf({"S 15/02/03 08:00", "E 15/02/03 10:30", "S 15/02/15 08:00", "E 15/02/15 09:02"}));
    MonthModel m = log.Month(2015, 2, kLater);
    Table t = BuildCalendarView(m, Options());
    EXPECT_EQ(Headers(t), (std::vector<std::string>{" 日 ", " 月 ", " 火 ", " 水 ", " 木 ", " 金 ", " 土 "}));
    for (const TableColumn& c : t.columns) EXPECT_EQ(c.width, 70);
    ASSERT_EQ(t.rows.size(), 4u + 2u + 4u + 7u);
    // Only the 1st and Sundays carry their date; 62 minutes (1.03 h) show as 1:01.
    EXPECT_EQ(t.rows[0], (Row{" 1/   0", "      0", "    2:30", "      0", "      0", "      0", "      0"}));
    EXPECT_EQ(t.rows[2][0], "15/ 1:01");
    EXPECT_EQ(t.rows[3][6], "      0");
    EXPECT_EQ(t.rows[4], Row(7));
    EXPECT_EQ(t.rows[5], (Row{"起動回数", "-------", "-------", "-------", "-------", "-------", "-------"}));
    EXPECT_EQ(t.rows[6], (Row{" 1/   0", "       0", "       1", "       0", "       0", "       0", "       0"}));
    EXPECT_EQ(t.rows[8][0], "15/   1");

    // Week 5 has no days and is left out; the empty sixth week sums the month.
    EXPECT_EQ(t.rows[10], Row(7));
    EXPECT_EQ(t.rows[11], (Row{"週間", "第１週", "第２週", "第３週", "第４週", "", "計(月間)"}));
    EXPECT_EQ(t.rows[12], (Row{"累計(h)", "   2:30", "   0:00", "   1:01", "   0:00", "", "  3:32"}));
    EXPECT_EQ(t.rows[13], (Row{"日平均(h)", "   2:30", "   ---", "   1:01", "   ---", "", "   1:45"}));
    EXPECT_EQ(t.rows[14], (Row{"稼動日数", "     1", "     0", "     1", "     0", "", "     2"}));
    EXPECT_EQ(t.rows[15], (Row{"回平均(h)", "   2:30", "   ---", "   1:01", "   ---", "", "   1:46 "}));
    EXPECT_EQ(t.rows[16], (Row{"起動回数", "     1", "     0", "     1", "     0", "", "     2"}));

    MonthModel md = log.Month(2015, 2, kLater, true, kTimeDecimal);
    Table decimal = BuildCalendarView(md, Options(kTimeDecimal));
    EXPECT_EQ(decimal.rows[0][2], "     2.50");
    EXPECT_EQ(decimal.rows[12], (Row{"累計(h)", "  2.50", "  0.00", "  1.03", "  0.00", "", "  3.53"}));
    EXPECT_EQ(decimal.rows[13][1], "   2.50");
}

TEST(CalendarView, SixthRowNarrowsTheColumnsAndKeepsTheSixthWeek) {
    // May 2010 starts on a Saturday: the 30th lies in the sixth row.
    MonthModel m = TestLog(CrLf({"S 10/05/01 08:00", "E 10/05/01 09:00", "S 10/05/30 08:00", "E 10/05/30 10:00"}))
                       .Month(2010, 5, kLater);
    Table t = BuildCalendarView(m, Options());
    for (const TableColumn& c : t.columns) EXPECT_EQ(c.width, 68);
    ASSERT_EQ(t.rows.size(), 6u + 2u + 6u + 7u);
    EXPECT_EQ(t.rows[0], (Row{"", "", "", "", "", "", " 1/ 1:00"}));
    EXPECT_EQ(t.rows[5], (Row{"30/ 2:00", "      0", "", "", "", "", ""}));
    EXPECT_EQ(t.rows[15], (Row{"週間", "第１週", "第２週", "第３週", "第４週", "", "第６週"}));
    EXPECT_EQ(t.rows[16][6], "   2:00");
    EXPECT_EQ(m.dayCounterText, "2");

    // One day with starts alone keeps the wide columns.
    MonthModel single = TestLog(CrLf({"S 10/05/30 08:00", "E 10/05/30 10:00"})).Month(2010, 5, kLater);
    EXPECT_EQ(BuildCalendarView(single, Options()).columns[0].width, 70);
}

TEST(CalendarView, CurrentMonthOfTheOwnLogEndsAtToday) {
    TestLog log(CrLf({"S 09/05/20 08:00"}));
    const DateTime now{2009, 5, 20, 10, 15, 0};
    ViewOptions own = Options(kTimeHoursMinutes, now);
    own.calendarDates = 0;
    MonthModel m = log.Month(2009, 5, now);
    Table t = BuildCalendarView(m, own);
    EXPECT_EQ(t.rows[3][3], "20/ 2:15");
    EXPECT_EQ(t.rows[3][4], "21/  -  ");
    EXPECT_EQ(t.rows[3][2], "19/   0");

    ViewOptions second = SecondLogOptions(now);
    second.calendarDates = 0;
    MonthModel s = log.Month(2009, 5, now, false);
    Table other = BuildCalendarView(s, second);
    EXPECT_EQ(other.rows[3][3], "20/   0");
    EXPECT_EQ(other.rows[3][4], "21/   0");
}

TEST(CalendarView, WeeklySummaryCorrectsTheDayCounter) {
    // The dropped session of the 6th counted a day in the reader.
    TestLog log(CrLf({"S 09/05/05 08:00", "E 09/05/05 09:00", "S 09/05/06 08:00", "E 09/05/06 08:00",
                      "S 09/05/07 08:00", "E 09/05/07 09:00"}));
    ViewOptions o = Options();
    o.settings.monthLabel = 1;
    MonthModel m = log.Month(2009, 5, kLater);
    EXPECT_EQ(m.averagePerDayHm, " 0:40 /日");
    BuildCalendarView(m, o);
    EXPECT_EQ(m.dayCounterText, "2");
    EXPECT_EQ(m.averagePerDayHm, " 1:00 /日");
    EXPECT_EQ(m.averagePerDayDecimal, " 1.00 /日");
    EXPECT_EQ(m.averageText, " 1:00 /回");
    SummaryTexts s = MonthSummaryTexts(m, ViewKind::Calendar, o);
    EXPECT_EQ(s.countLabel, "稼働日数");
    EXPECT_EQ(s.count, "2");
    EXPECT_EQ(s.average, " 1:00 /日");

    // Without the weekly summary the reader's count stands.
    o.settings.weekRecord = 0;
    MonthModel uncorrected = log.Month(2009, 5, kLater);
    Table t = BuildCalendarView(uncorrected, o);
    EXPECT_EQ(uncorrected.dayCounterText, "3");
    EXPECT_EQ(t.rows.size(), 6u + 2u + 6u);
}

TEST(CalendarView, ADayOutOfOrderIsNeverMatched) {
    MonthModel m = TestLog(CrLf({"S 09/05/10 08:00", "E 09/05/10 09:00", "S 09/05/05 08:00", "E 09/05/05 09:00",
                                 "S 09/05/12 08:00", "E 09/05/12 09:00"}))
                       .Month(2009, 5, kLater);
    ViewOptions o = Options();
    o.calendarDates = 0;
    Table t = BuildCalendarView(m, o);
    EXPECT_EQ(t.rows[1][2], " 5/   0");
    EXPECT_EQ(t.rows[2][0], "10/ 1:00");
    EXPECT_EQ(t.rows[2][2], "12/   0");
}

TEST(CalendarView, EmptyMonth) {
    MonthModel m = TestLog("").Month(2009, 5, kLater);
    Table t = BuildCalendarView(m, Options());
    ASSERT_EQ(t.rows.size(), 6u + 2u + 6u + 7u);
    EXPECT_EQ(t.rows[0][5], " 1/   0");
    EXPECT_EQ(t.rows[15], (Row{"週間", "第１週", "第２週", "第３週", "第４週", "", ""}));
    EXPECT_EQ(t.rows[16], (Row{"累計(h)", "   0:00", "   0:00", "   0:00", "   0:00", "", ""}));
    EXPECT_EQ(t.rows[17], (Row{"日平均(h)", "   ---", "   ---", "   ---", "   ---", "", ""}));
    EXPECT_EQ(t.rows[18], (Row{"稼動日数", "     0", "     0", "     0", "     0", "", ""}));
    EXPECT_EQ(t.rows[19][1], "   ---");
    EXPECT_EQ(m.dayCounterText, "0");
    EXPECT_EQ(m.averagePerDayHm, " 0:00 /日");
    EXPECT_EQ(m.averagePerDayDecimal, " 0.00 /日");
}

TEST(DailyView, DaysUpToTheLastDayWithStarts) {
    MonthModel m = TestLog(CrLf({"S 09/05/05 08:00", "E 09/05/05 12:00", "S 09/05/05 13:00", "E 09/05/05 18:00",
                                 "S 09/05/10 23:00", "E 09/05/11 01:00", "S 09/05/12 08:00", "E 09/05/12 08:01"}))
                       .Month(2009, 5, kLater);
    Table t = BuildDailyView(m, Options(kTimeDecimal));
    EXPECT_EQ(Headers(t), (std::vector<std::string>{" 日 ", "最初の起動時刻", "最後の終了時刻", "稼働時間", "中断時間", "起動数"}));
    EXPECT_EQ(t.columns[0].width, 52);
    EXPECT_EQ(t.columns[5].width, 66);
    ASSERT_EQ(t.rows.size(), 12u);
    EXPECT_EQ(t.rows[0], (Row{" 1(金)", "   -   ", "   -   ", " - ", " - ", "   0 "}));
    EXPECT_EQ(t.rows[4], (Row{" 5(火)", "   08:00", "   18:00", "   9.00", "   1.00", "   2"}));
    // Across midnight: the span gets a day, the hours count on the start day.
    EXPECT_EQ(t.rows[9], (Row{"10(日)", "   23:00", "   01:00", "   2.00", "   0.00", "   1"}));
    // One minute shows as 0.02 hours: the difference would be negative and shows as zero.
    EXPECT_EQ(t.rows[11], (Row{"12(火)", "   08:00", "   08:01", "   0.02", "   0.00", "   1"}));
    EXPECT_TRUE(t.showEnd);

    Table hm = BuildDailyView(m, Options());
    EXPECT_EQ(hm.rows[4][3], "  9:00");
    EXPECT_EQ(hm.rows[4][4], "  1:00");

    Table empty = BuildDailyView(TestLog("").Month(2009, 5, kLater), Options());
    EXPECT_EQ(empty.columns.size(), 6u);
    EXPECT_TRUE(empty.rows.empty());
}

TEST(PerStartView, CountsAndDateMarking) {
    MonthModel m = TestLog(CrLf({"S 09/05/05 08:00", "E 09/05/05 09:00", "S 09/05/05 10:00", "E 09/05/05 11:00",
                                 "S 09/05/05 12:00", "E 09/05/05 13:30", "S 09/05/06 23:00", "E 09/05/07 01:00"}))
                       .Month(2009, 5, kLater);
    ViewOptions o = Options(kTimeDecimal);
    Table t = BuildPerStartView(m, o);
    EXPECT_EQ(Headers(t), (std::vector<std::string>{"No.", "起動時刻", "終了時刻", "稼働時間", " 回 "}));
    ASSERT_EQ(t.rows.size(), 4u);
    const std::string blank13(13, ' ');
    EXPECT_EQ(t.rows[0], (Row{"No.  1", "09/05/05 08:00", blank13 + " 09:00", "  1.00", "  1/ 3"}));
    EXPECT_EQ(t.rows[1], (Row{"No.  2", blank13 + " 10:00", blank13 + " 11:00", "  1.00", "  2/ 3"}));
    EXPECT_EQ(t.rows[2], (Row{"No.  3", blank13 + " 12:00", blank13 + " 13:30", "  1.50", "  3/ 3"}));
    EXPECT_EQ(t.rows[3], (Row{"No.  4", "09/05/06 23:00", "09/05/07 01:00", "  2.00", "  1/ 1"}));
    EXPECT_TRUE(t.showEnd);

    o.perStartDates = 0;
    o.settings.timeMode = kTimeHoursMinutes;
    Table every = BuildPerStartView(m, o);
    EXPECT_EQ(every.rows[1], (Row{"No.  2", "09/05/05 10:00", "09/05/05 11:00", "  1:00", "  2/ 3"}));
    EXPECT_EQ(every.rows[2][3], "  1:30");

    EXPECT_TRUE(BuildPerStartView(TestLog("").Month(2009, 5, kLater), o).rows.empty());
}

TEST(Summary, MonthViewTexts) {
    MonthModel m = TestLog(CrLf({"S 09/05/05 08:00", "E 09/05/05 09:30"})).Month(2009, 5, kLater);
    ViewOptions o = Options();
    BuildCalendarView(m, o);
    SummaryTexts s = MonthSummaryTexts(m, ViewKind::Daily, o);
    EXPECT_EQ(s.caption, "2009年 5月 ");
    EXPECT_EQ(s.title, "日毎の起動、終了時刻及び稼働時間等");
    EXPECT_EQ(s.total, "1:30");
    EXPECT_EQ(s.countLabel, "起動回数");
    EXPECT_EQ(s.count, " 1");
    EXPECT_EQ(s.average, " 1:30 /回");
    EXPECT_EQ(s.unit, "(時:分)");
    EXPECT_EQ(s.group, " 月別 ");
    EXPECT_EQ(TimeUnitLabel(kTimeDecimal), "(*.*時間)");
    EXPECT_EQ(ViewTitle(ViewKind::Calendar), "日毎の稼働時間と起動回数        ");
}

TEST(HoursMinutes, ValuesReadBackFromTheirTextsSplitInDoublePrecision) {
    // 141 minutes: hours text 2.35. In single precision 2.35 lies just below and would show 2:20.
    MonthModel m = TestLog(CrLf({"S 09/05/05 08:00", "E 09/05/05 10:21"})).Month(2009, 5, kLater);
    ViewOptions o = Options();
    o.calendarDates = 0;
    Table calendar = BuildCalendarView(m, o);
    EXPECT_EQ(calendar.rows[1][2], " 5/ 2:21");
    EXPECT_EQ(calendar.rows[16][2], "   2:21");  // the second week
    EXPECT_EQ(calendar.rows[17][2], "   2:21");
    EXPECT_EQ(BuildDailyView(m, o).rows[4][3], "  2:21");
    EXPECT_EQ(BuildPerStartView(m, o).rows[0][3], "  2:21");
}
