#include <gtest/gtest.h>

#include "ViewerTestLog.h"
#include "shared/Strings.h"
#include "viewer/analysis/PeriodCount.h"

using namespace kestrowa;

namespace {

using Row = std::vector<std::string>;

PeriodTexts Texts(const char* sy, const char* sm, const char* sd, const char* ly, const char* lm, const char* ld) {
    return {sy, sm, sd, ly, lm, ld};
}

const std::string kBlank11(11, ' ');

PeriodTable Days(const std::string& log, const PeriodTexts& texts, int timeMode = 1) {
    TestLog file(log);
    const Period period = PeriodOf(PeriodMode::Daily, texts);
    std::optional<std::vector<DayRow>> rows = CountDays(file.Path(), period);
    if (!rows) ADD_FAILURE() << "log not read";
    return FillDayTable(rows.value_or(std::vector<DayRow>{}), {timeMode, true, IsShortPeriod(period)});
}

PeriodTable Months(const std::string& log, const PeriodTexts& texts, int timeMode = 1) {
    TestLog file(log);
    const Period period = PeriodOf(PeriodMode::Monthly, texts);
    std::optional<std::vector<MonthTally>> months = CountMonths(file.Path(), period);
    if (!months) ADD_FAILURE() << "log not read";
    return FillMonthTable(months.value_or(std::vector<MonthTally>{}), {timeMode, true, IsShortPeriod(period)});
}

std::vector<int> Widths(const Table& t) {
    std::vector<int> widths;
    for (const TableColumn& c : t.columns) widths.push_back(c.width);
    return widths;
}

// Column 0 and 1 of each row: the day or month and its hours.
std::vector<std::string> Hours(const Table& t) {
    std::vector<std::string> cells;
    for (const Row& r : t.rows) cells.push_back(r[0] + " " + r[1]);
    return cells;
}

const std::string kThreeDays = CrLf({"S 09/04/12 08:00", "E 09/04/12 12:30", "S 09/04/12 13:00", "E 09/04/12 15:00",
                                     "S 09/04/14 09:00", "E 09/04/14 10:00"});

}  // namespace

TEST(PeriodCheck, LimitsCorrectionsAndTheLengthLabel) {
    struct Case {
        const char* name;
        PeriodMode mode;
        PeriodTexts edits;
        bool go;
        std::string message;
        std::string label;
        PeriodTexts after;
    } cases[] = {
        {"370 days", PeriodMode::Daily, Texts("2009", "12", "1", "2010", "12", "5"), true, "", "(370日間)",
         Texts("2009", "12", "1", "2010", "12", "5")},
        {"371 days", PeriodMode::Daily, Texts("2009", "12", "1", "2010", "12", "6"), false,
         "期間が370日を超えています！", kBlank11, Texts("2009", "12", "1", "2010", "12", "6")},
        {"one day", PeriodMode::Daily, Texts("2009", "4", "12", "2009", "4", "12"), true, "", "(  1日間)",
         Texts("2009", "4", "12", "2009", "4", "12")},
        {"a last date before the start moves to the next month", PeriodMode::Daily,
         Texts("2010", "5", "20", "2010", "5", "10"), true, "", kBlank11, Texts("2010", "5", "20", "2010", "6", "10")},
        {"from December it rolls into January", PeriodMode::Daily, Texts("2010", "12", "20", "2010", "12", "10"), true,
         "", kBlank11, Texts("2010", "12", "20", "2011", "1", "10")},
        {"a last year before the start year", PeriodMode::Daily, Texts("2010", "5", "20", "2008", "9", "1"), true, "",
         kBlank11, Texts("2010", "5", "20", "2010", "6", "1")},
        // 2008 has 366 days: the true length, across three calendar years.
        {"three calendar years", PeriodMode::Daily, Texts("2007", "12", "31", "2009", "1", "2"), true, "",
         "(369日間)", Texts("2007", "12", "31", "2009", "1", "2")},
        {"three calendar years, too long", PeriodMode::Daily, Texts("2007", "12", "31", "2009", "1", "4"), false,
         "期間が370日を超えています！", kBlank11, Texts("2007", "12", "31", "2009", "1", "4")},
        {"120 months", PeriodMode::Monthly, Texts("2000", "1", "", "2009", "12", ""), true, "", "(120ヶ月)",
         Texts("2000", "1", "", "2009", "12", "")},
        {"121 months", PeriodMode::Monthly, Texts("2000", "1", "", "2010", "1", ""), false,
         "期間が120ヶ月を超えています！", kBlank11, Texts("2000", "1", "", "2010", "1", "")},
        {"a last month before the start month", PeriodMode::Monthly, Texts("2010", "7", "", "2010", "5", ""), true,
         "", kBlank11, Texts("2010", "7", "", "2010", "8", "")},
        {"from December the last month is January", PeriodMode::Monthly, Texts("2010", "12", "", "2010", "5", ""),
         true, "", kBlank11, Texts("2010", "12", "", "2011", "1", "")},
        // The settings file may remember any text: numbers beyond an int count at their largest.
        {"a start day beyond every month", PeriodMode::Daily, Texts("2010", "3", "99999999999", "2010", "3", "5"),
         true, "", kBlank11, Texts("2010", "3", "99999999999", "2010", "4", "5")},
        {"a last day beyond every month", PeriodMode::Daily, Texts("2010", "3", "1", "2010", "3", "99999999999"),
         false, "期間が370日を超えています！", kBlank11, Texts("2010", "3", "1", "2010", "3", "99999999999")},
        {"the next year after the largest", PeriodMode::Monthly, Texts("99999999999", "12", "", "2010", "1", ""),
         true, "", kBlank11, Texts("99999999999", "12", "", "2147483648", "1", "")},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PeriodCheck check = CheckPeriod(c.mode, c.edits);
        EXPECT_EQ(check.go, c.go);
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.lengthLabel, c.label);
        EXPECT_EQ(c.edits, c.after);
    }
}

TEST(PeriodCheck, ACorrectedPeriodIsCountedOverItsNewLength) {
    PeriodTexts edits = Texts("2010", "5", "20", "2010", "5", "10");
    CheckPeriod(PeriodMode::Daily, edits);
    EXPECT_EQ(PeriodLength(PeriodOf(PeriodMode::Daily, edits)), 22);
}

TEST(PeriodCheck, MissingFieldsAreThoseTheKindNeeds) {
    const std::string message = "期間の年月日が入力されていません！";
    EXPECT_EQ(MissingFieldsMessage(PeriodMode::Daily, Texts("2009", "4", "12", "", "", "")), message);
    EXPECT_EQ(MissingFieldsMessage(PeriodMode::Daily, Texts("2009", "4", "12", "2009", "5", "")), message);
    EXPECT_EQ(MissingFieldsMessage(PeriodMode::Daily, Texts("2009", "4", "12", "2009", "5", "1")), "");
    EXPECT_EQ(MissingFieldsMessage(PeriodMode::Monthly, Texts("2009", "4", "", "2009", "5", "")), "");
    EXPECT_EQ(MissingFieldsMessage(PeriodMode::Monthly, Texts("2009", "", "", "2009", "5", "")), message);
}

TEST(PeriodClamp, AStartBeforeTheLogMovesOntoItsFirstDate) {
    const CalendarDate earliest{2009, 4, 12};
    struct Case {
        PeriodMode mode;
        PeriodTexts typed;
        PeriodTexts after;
        PeriodTexts remembered;  // what moved is remembered at once
    } cases[] = {
        {PeriodMode::Daily, Texts("2008", "5", "1", "2009", "6", "1"), Texts("2009", "4", "12", "2009", "6", "1"),
         Texts("2009", "4", "12", "", "", "")},
        // A month before the first month moves to it; the later day is kept.
        {PeriodMode::Daily, Texts("2009", "3", "20", "2009", "6", "1"), Texts("2009", "4", "20", "2009", "6", "1"),
         Texts("", "4", "", "", "", "")},
        {PeriodMode::Daily, Texts("2009", "4", "5", "2009", "6", "1"), Texts("2009", "4", "12", "2009", "6", "1"),
         Texts("", "", "12", "", "", "")},
        {PeriodMode::Daily, Texts("2009", "5", "3", "2009", "6", "1"), Texts("2009", "5", "3", "2009", "6", "1"),
         Texts("", "", "", "", "", "")},
        {PeriodMode::Daily, Texts("", "", "", "", "", ""), Texts("2009", "4", "12", "", "", ""),
         Texts("2009", "4", "12", "", "", "")},
        {PeriodMode::Monthly, Texts("2008", "5", "", "2009", "6", ""), Texts("2009", "4", "", "2009", "6", ""),
         Texts("2009", "4", "", "", "", "")},
        {PeriodMode::Monthly, Texts("2009", "3", "", "2009", "6", ""), Texts("2009", "4", "", "2009", "6", ""),
         Texts("", "4", "", "", "", "")},
        {PeriodMode::Monthly, Texts("2009", "5", "", "2009", "6", ""), Texts("2009", "5", "", "2009", "6", ""),
         Texts("", "", "", "", "", "")},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.typed[0] + "/" + c.typed[1] + "/" + c.typed[2]);
        PeriodTexts remembered;
        ClampToEarliest(c.mode, earliest, c.typed, remembered);
        EXPECT_EQ(c.typed, c.after);
        EXPECT_EQ(remembered, c.remembered);
    }
}

TEST(PeriodClamp, TheFirstDateIsThatOfTheFirstLineWithADate) {
    TestLog log("\r\n" + CrLf({"log of the office PC", "S 98/11/03 08:00", "E 98/11/03 09:00", "S 09/04/12 08:00"}));
    std::optional<CalendarDate> earliest = ScanEarliestDate(log.Path());
    ASSERT_TRUE(earliest);
    EXPECT_EQ(earliest->year, 1998);
    EXPECT_EQ(earliest->month, 11);
    EXPECT_EQ(earliest->day, 3);
    EXPECT_FALSE(ScanEarliestDate(log.Path() + ".missing"));
    TestLog empty("");
    EXPECT_FALSE(ScanEarliestDate(empty.Path()));
}

TEST(PeriodDays, ThreeDaysInDecimalHoursCellByCell) {
    PeriodTable t = Days(kThreeDays, Texts("2009", "4", "12", "2009", "4", "14"));
    EXPECT_EQ(t.table.columns[0].header, "月/日");
    EXPECT_EQ(t.table.columns[4].header, "累計稼動(h)");
    ASSERT_EQ(t.table.rows.size(), 2u);
    EXPECT_EQ(t.table.rows[0], (Row{"04/12", "   6.50", "  3.25", "   2", "   6.50", "   2", "  1"}));
    EXPECT_EQ(t.table.rows[1], (Row{"04/14", "   1.00", "  1.00", "   1", "   7.50", "   3", "  2"}));
    EXPECT_EQ(t.summary.total, "7.50");
    EXPECT_EQ(t.summary.rows, "  2");
    EXPECT_EQ(t.summary.starts, "   3");
    EXPECT_EQ(t.summary.perRow, "3.75 h/日");
    EXPECT_EQ(t.summary.perStart, "2.50 h/回");
    EXPECT_TRUE(t.table.showEnd);
}

TEST(PeriodDays, ThreeDaysInHoursAndMinutesCellByCell) {
    PeriodTable t = Days(kThreeDays, Texts("2009", "4", "12", "2009", "4", "14"), 0);
    ASSERT_EQ(t.table.rows.size(), 2u);
    EXPECT_EQ(t.table.rows[0], (Row{"04/12", "  6:30", "  3:15", "   2", "  6:30", "   2", "  1"}));
    EXPECT_EQ(t.table.rows[1], (Row{"04/14", "  1:00", "  1:00", "   1", "  7:30", "   3", "  2"}));
    EXPECT_EQ(t.summary.total, " 7:30");
    EXPECT_EQ(t.summary.perRow, " 3:45 h/日");
    EXPECT_EQ(t.summary.perStart, " 2:30 h/回");
}

TEST(PeriodDays, ColumnsWidenBelowEighteenDays) {
    const std::vector<int> nominal{52, 65, 80, 75, 90, 72, 43};
    const std::vector<int> wider{54, 67, 82, 77, 92, 74, 45};
    EXPECT_EQ(Widths(Days(kThreeDays, Texts("2009", "4", "12", "2009", "4", "28")).table), wider);
    EXPECT_EQ(Widths(Days(kThreeDays, Texts("2009", "4", "12", "2009", "4", "29")).table), nominal);
    // Across a leap year's end the true number of days decides: 20 Dec 2008 to 5 Jan 2009 is 17.
    EXPECT_EQ(Widths(Days(kThreeDays, Texts("2008", "12", "20", "2009", "1", "5")).table), wider);
    EXPECT_EQ(Widths(Months(kThreeDays, Texts("2009", "4", "", "2010", "8", "")).table), wider);
    EXPECT_EQ(Widths(Months(kThreeDays, Texts("2009", "4", "", "2010", "9", "")).table), nominal);
}

TEST(PeriodDays, WhichSessionsADailyPeriodCounts) {
    struct Case {
        const char* name;
        std::string log;
        PeriodTexts period;
        std::vector<std::string> days;
    } cases[] = {
        {"a session across midnight at the period's end counts on its start day",
         CrLf({"S 09/04/14 09:00", "E 09/04/14 10:00", "S 09/04/14 23:00", "E 09/04/15 01:00", "S 09/04/15 08:00"}),
         Texts("2009", "4", "12", "2009", "4", "14"), {"04/14    3.00"}},
        {"a session still open when a later start ends the reading is dropped",
         CrLf({"S 09/04/14 23:00", "S 09/04/15 08:00", "E 09/04/15 09:00"}), Texts("2009", "4", "12", "2009", "4", "14"),
         {}},
        {"lines before the start are passed over, even an end of a session begun the day before",
         CrLf({"S 09/04/11 23:00", "S 09/04/12 08:00", "E 09/04/12 09:00", "E 09/04/12 10:00"}),
         Texts("2009", "4", "12", "2009", "4", "14"), {"04/12    1.00"}},
        {"a first month without lines: the later months are counted",
         CrLf({"S 09/02/10 08:00", "E 09/02/10 09:00", "S 09/04/02 08:00", "E 09/04/02 10:00"}),
         Texts("2009", "3", "1", "2009", "4", "30"), {"04/02    2.00"}},
        {"every day of a period over three calendar years",
         CrLf({"S 07/12/30 08:00", "E 07/12/30 09:00", "S 07/12/31 08:00", "E 07/12/31 09:00", "S 08/06/01 08:00",
               "E 08/06/01 10:00", "S 09/01/02 08:00", "E 09/01/02 11:00", "S 09/01/03 08:00"}),
         Texts("2007", "12", "31", "2009", "1", "2"), {"12/31    1.00", "06/01    2.00", "01/02    3.00"}},
        {"a date met again later starts a row of its own",
         CrLf({"S 09/04/12 08:00", "E 09/04/12 09:00", "S 09/04/13 08:00", "E 09/04/13 09:00", "S 09/04/12 20:00",
               "E 09/04/12 21:00"}),
         Texts("2009", "4", "12", "2009", "4", "14"), {"04/12    1.00", "04/13    1.00", "04/12    1.00"}},
        {"lines that carry no date are passed over",
         CrLf({"S 09/04/12 08:00", "garbage", "E 09/04/12 09:00"}), Texts("2009", "4", "12", "2009", "4", "14"),
         {"04/12    1.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Hours(Days(c.log, c.period).table), c.days);
    }
}

TEST(PeriodDays, AYearOfManySessionsIsCountedWhole) {
    // 15 sessions on each of 336 days: more than a fixed store of 5000 would hold.
    std::string log;
    for (int day = 0; day < 336; ++day) {
        const int month = day / 28 + 1, date = day % 28 + 1;
        for (int hour = 1; hour <= 15; ++hour) {
            log += Format("S 09/%02d/%02d %02d:00\r\n", month, date, hour);
            log += Format("E 09/%02d/%02d %02d:30\r\n", month, date, hour);
        }
    }
    PeriodTable t = Days(log, Texts("2009", "1", "1", "2009", "12", "31"));
    EXPECT_EQ(t.table.rows.size(), 336u);
    EXPECT_EQ(t.summary.starts, "5040");
    EXPECT_EQ(t.summary.total, "2520.00");
}

TEST(PeriodMonths, ThreeMonthsWithAZeroRowInDecimalHours) {
    // April: four sessions of 150 minutes; May: nothing; June: one hour; July ends the reading.
    PeriodTable t = Months(CrLf({"S 09/04/01 08:00", "E 09/04/01 10:30", "S 09/04/02 08:00", "E 09/04/02 10:30",
                                 "S 09/04/03 08:00", "E 09/04/03 10:30", "S 09/04/04 08:00", "E 09/04/04 10:30",
                                 "S 09/06/10 08:00", "E 09/06/10 09:00", "S 09/07/01 08:00", "E 09/07/01 09:00"}),
                           Texts("2009", "4", "", "2009", "6", ""));
    EXPECT_EQ(t.table.columns[0].header, "年/月");
    EXPECT_EQ(t.table.columns[4].header, "累計稼動(d)");
    EXPECT_EQ(t.table.columns[6].header, "月数");
    ASSERT_EQ(t.table.rows.size(), 3u);
    EXPECT_EQ(t.table.rows[0], (Row{"09/04", "   10.00", "    2.50", "    4", "   0.42", "    4", "  1"}));
    EXPECT_EQ(t.table.rows[1], (Row{"09/05", "  0.00", "", "", "", "", "  2"}));
    EXPECT_EQ(t.table.rows[2], (Row{"09/06", "    1.00", "    1.00", "    1", "   0.46", "    5", "  3"}));
    EXPECT_EQ(t.summary.total, "11.00");
    EXPECT_EQ(t.summary.rows, "  3");
    EXPECT_EQ(t.summary.starts, "   5");
    EXPECT_EQ(t.summary.perRow, "3.67h/月");
    EXPECT_EQ(t.summary.perStart, "2.20 h/回");
    EXPECT_TRUE(t.table.showEnd);

    PeriodTable hm = Months(CrLf({"S 09/04/01 08:00", "E 09/04/01 18:45", "S 09/04/02 08:00", "E 09/04/02 09:00"}),
                            Texts("2009", "4", "", "2009", "4", ""), 0);
    ASSERT_EQ(hm.table.rows.size(), 1u);
    EXPECT_EQ(hm.table.rows[0], (Row{"09/04", " 11:45", "  5:52", "    2", "   0.49", "    2", "  1"}));
    EXPECT_EQ(hm.summary.total, " 11:45");
    EXPECT_EQ(hm.summary.perRow, "11:45h/月");
    EXPECT_EQ(hm.summary.perStart, " 5:52 h/回");
}

TEST(PeriodMonths, WhichMonthsAMonthlyPeriodLists) {
    struct Case {
        const char* name;
        std::string log;
        PeriodTexts period;
        std::vector<std::string> months;
    } cases[] = {
        {"a session across the month end counts in its start month",
         CrLf({"S 09/04/30 23:00", "E 09/05/01 01:00", "S 09/06/01 08:00", "E 09/06/01 09:00"}),
         Texts("2009", "4", "", "2009", "6", ""), {"09/04     2.00", "09/05   0.00", "09/06     1.00"}},
        {"the month the log ends in gets its row",
         CrLf({"S 09/04/10 08:00", "E 09/04/10 09:00", "S 09/06/10 08:00", "E 09/06/10 10:00"}),
         Texts("2009", "4", "", "2009", "8", ""), {"09/04     1.00", "09/05   0.00", "09/06     2.00"}},
        {"the last month gets its row when its last session ends in the next month",
         CrLf({"S 09/04/10 08:00", "E 09/04/10 09:00", "S 09/06/30 23:00", "E 09/07/01 01:00", "S 09/07/02 08:00",
               "E 09/07/02 09:00"}),
         Texts("2009", "4", "", "2009", "6", ""), {"09/04     1.00", "09/05   0.00", "09/06     2.00"}},
        {"empty months at the start are zero rows",
         CrLf({"S 09/01/10 08:00", "E 09/01/10 09:00", "S 09/04/10 08:00", "E 09/04/10 09:00"}),
         Texts("2009", "2", "", "2009", "4", ""), {"09/02   0.00", "09/03   0.00", "09/04     1.00"}},
        {"a gap across a year end has a row for each month",
         CrLf({"S 09/11/10 08:00", "E 09/11/10 09:00", "S 10/02/10 08:00", "E 10/02/10 10:00"}),
         Texts("2009", "11", "", "2010", "2", ""),
         {"09/11     1.00", "09/12   0.00", "10/01   0.00", "10/02     2.00"}},
        {"a log that goes on past the period lists every month of it",
         CrLf({"S 09/04/10 08:00", "E 09/04/10 09:00", "S 09/09/10 08:00", "E 09/09/10 09:00"}),
         Texts("2009", "4", "", "2009", "6", ""), {"09/04     1.00", "09/05   0.00", "09/06   0.00"}},
        {"9 October is not a line of September",
         CrLf({"S 10/09/30 08:00", "E 10/09/30 09:00", "S 10/10/09 08:00", "E 10/10/09 10:00"}),
         Texts("2010", "9", "", "2010", "10", ""), {"10/09     1.00", "10/10     2.00"}},
        {"a log that ends before the period lists nothing", CrLf({"S 09/01/10 08:00", "E 09/01/10 09:00"}),
         Texts("2009", "4", "", "2009", "6", ""), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Hours(Months(c.log, c.period).table), c.months);
    }
}

TEST(PeriodMonths, AMonthWithLinesButNoSessionHasNoAverage) {
    // June's only session is still open at the end of the log: it is dropped, June keeps its row.
    PeriodTable t = Months(CrLf({"S 09/05/10 08:00", "E 09/05/10 09:00", "S 09/06/20 08:00"}),
                           Texts("2009", "5", "", "2009", "6", ""));
    ASSERT_EQ(t.table.rows.size(), 2u);
    EXPECT_EQ(t.table.rows[1], (Row{"09/06", "    0.00", "   -   ", "    0", "   0.04", "    1", "  2"}));
    EXPECT_EQ(t.summary.perStart, "1.00 h/回");
}

TEST(PeriodCount, ALogThatCannotBeOpenedGivesNoRows) {
    const Period daily = PeriodOf(PeriodMode::Daily, Texts("2009", "4", "12", "2009", "4", "14"));
    const Period monthly = PeriodOf(PeriodMode::Monthly, Texts("2009", "4", "", "2009", "6", ""));
    TempDir dir;
    EXPECT_FALSE(CountDays(dir.File("none.dat"), daily));
    EXPECT_FALSE(CountMonths(dir.File("none.dat"), monthly));
}
