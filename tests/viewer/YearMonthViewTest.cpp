#include <gtest/gtest.h>

#include "ViewerTestLog.h"
#include "viewer/MonthModel.h"
#include "viewer/Views.h"

using namespace kestrowa;

namespace {

using Row = std::vector<std::string>;

YearMonthView Scan(const std::string& bytes, int hundredMark = 0) {
    TestLog log(bytes);
    ViewOptions options;
    options.settings.hundredMark = hundredMark;
    std::optional<YearMonthView> view = BuildYearMonthView(log.Path(), options);
    if (!view) ADD_FAILURE() << "log not read";
    return view.value_or(YearMonthView{});
}

// Label and hours of each row.
std::vector<std::string> Months(const Table& t) {
    std::vector<std::string> months;
    for (const Row& r : t.rows) months.push_back(r[0] + r[1]);
    return months;
}

}  // namespace

TEST(YearMonthView, TheLastMonthOfTheLogIsLeftOut) {
    YearMonthView v = Scan(CrLf({"S 09/05/10 08:00", "E 09/05/10 10:00", "S 09/05/11 08:00", "E 09/05/11 09:00",
                                 "S 09/06/01 08:00", "E 09/06/01 09:00"}));
    ASSERT_EQ(v.table.rows.size(), 1u);
    EXPECT_EQ(v.table.rows[0], (Row{"09/05", "    3.00", "    1.50", "    2", "   0.13", "    2"}));
    EXPECT_EQ(v.summary.average, "  1.50 /回");
    EXPECT_EQ(v.summary.group, "2009年05月～  (1ヶ月)   最大  09/05 <3.00時間>");
    EXPECT_EQ(v.summary.title, "月毎の起動、終了の状況及び起動回数");
    const std::string blank13(13, ' ');
    EXPECT_EQ(v.summary.caption, blank13);
    EXPECT_EQ(v.summary.total, blank13);
    EXPECT_EQ(v.summary.count, blank13);
    EXPECT_EQ(v.summary.unit, blank13);
    EXPECT_TRUE(v.table.showEnd);

    YearMonthView current = Scan(CrLf({"S 09/05/10 08:00", "E 09/05/10 10:00"}));
    EXPECT_TRUE(current.table.rows.empty());
    EXPECT_EQ(current.summary.average, "  0.00 /回");
    EXPECT_EQ(current.summary.group, "2009年05月～  (0ヶ月)   最大   <0.00時間>");
}

TEST(YearMonthView, MonthsWithoutLinesGetZeroRows) {
    struct Case {
        const char* name;
        std::string log;
        std::vector<std::string> months;
    } cases[] = {
        {"within a year",
         CrLf({"S 09/03/10 08:00", "E 09/03/10 09:00", "S 09/06/10 08:00", "E 09/06/10 10:00", "S 09/07/01 08:00"}),
         {"09/03    1.00", "09/04    0.00", "09/05    0.00", "09/06    2.00"}},
        {"across a year end",
         CrLf({"S 09/11/10 08:00", "E 09/11/10 09:00", "S 10/02/10 08:00", "E 10/02/10 10:00", "S 10/03/01 08:00"}),
         {"09/11    1.00", "09/12    0.00", "10/01    0.00", "10/02    2.00"}},
        {"across the century",
         CrLf({"S 99/12/10 08:00", "E 99/12/10 09:00", "S 00/02/10 08:00", "E 00/02/10 10:00", "S 00/03/01 08:00"}),
         {"99/12    1.00", "00/01    0.00", "00/02    2.00"}},
        {"a session across the month end counts in its start month",
         CrLf({"S 09/05/31 23:00", "E 09/06/01 01:00", "S 09/06/02 08:00", "E 09/06/02 09:00", "S 09/07/01 08:00"}),
         {"09/05    2.00", "09/06    1.00"}},
        {"9 October belongs to October, not to the block of September",
         CrLf({"S 10/09/30 08:00", "E 10/09/30 09:00", "S 10/10/09 08:00", "E 10/10/09 10:00", "S 10/11/01 08:00"}),
         {"10/09    1.00", "10/10    2.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        YearMonthView v = Scan(c.log);
        EXPECT_EQ(Months(v.table), c.months);
        for (const Row& r : v.table.rows) {
            if (r[1] == "    0.00") {
                EXPECT_EQ(r, (Row{r[0], "    0.00", "", "", "", ""}));
            }
        }
    }
}

TEST(YearMonthView, RunningTotalsAndLargestMonth) {
    YearMonthView v = Scan(CrLf({"S 98/12/01 08:00", "E 98/12/01 20:00", "S 99/01/05 08:00", "E 99/01/05 09:00",
                                 "S 99/01/06 08:00", "E 99/01/06 09:00", "S 99/02/01 08:00"}));
    ASSERT_EQ(v.table.rows.size(), 2u);
    EXPECT_EQ(v.table.rows[1], (Row{"99/01", "    2.00", "    1.00", "    2", "   0.58", "    3"}));
    EXPECT_EQ(v.summary.average, "  4.67 /回");
    EXPECT_EQ(v.summary.group, "1998年12月～  (2ヶ月)   最大  98/12 <12.00時間>");
}

TEST(YearMonthView, HundredHourMarks) {
    // Nine sessions of 23 hours and one of 8.5: 215.5 hours.
    std::string bytes;
    for (int day = 1; day <= 9; ++day)
        bytes += CrLf({""}) + "S 09/05/0" + std::to_string(day) + " 10:00\r\nE 09/05/" + (day < 9 ? "0" : "") +
                 std::to_string(day + 1) + " 09:00\r\n";
    bytes += CrLf({"S 09/05/20 10:00", "E 09/05/20 18:30", "S 09/06/01 08:00"});
    EXPECT_EQ(Scan(bytes, 1).table.rows.at(0)[1], "  215.50　**");
    EXPECT_EQ(Scan(bytes, 0).table.rows.at(0)[1], "  215.50");
}

TEST(YearMonthView, MissingLog) {
    EXPECT_FALSE(BuildYearMonthView("/nonexistent/Kestrofl.dat", ViewOptions{}).has_value());
}

TEST(YearMonthView, OneAndThreeHundredHourMarks) {
    // 25 sessions of 5 hours (125 h) in May, 65 of 5 hours (325 h) in June.
    std::string bytes;
    auto sessions = [&](const char* month, int count) {
        for (int i = 0; i < count; ++i) {
            const std::string day = (i / 3 + 1 < 10 ? "0" : "") + std::to_string(i / 3 + 1);
            const std::string hour = i % 3 == 0 ? "01" : i % 3 == 1 ? "07" : "13";
            const std::string end = i % 3 == 0 ? "06" : i % 3 == 1 ? "12" : "18";
            bytes += "S 09/" + std::string(month) + "/" + day + " " + hour + ":00\r\nE 09/" + month + "/" + day +
                     " " + end + ":00\r\n";
        }
    };
    sessions("05", 25);
    sessions("06", 65);
    bytes += CrLf({"S 09/07/01 08:00"});
    const Table t = Scan(bytes, 1).table;
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0][1], "  125.00 　*");
    EXPECT_EQ(t.rows[1][1], "  325.00 ***");
}

TEST(YearMonthView, TheTableHoldsOneCenturyOfMonthsAtMost) {
    // Months jumping about the century would fill their gaps without end.
    std::string inflating;
    for (int i = 0; i < 3000; ++i)
        for (const char* month : {"00/01", "49/12", "99/12"})
            inflating += "S " + std::string(month) + "/05 08:00\r\nE " + month + "/05 09:00\r\n";
    YearMonthView v = Scan(inflating);
    ASSERT_EQ(v.table.rows.size(), 1200u);
    EXPECT_EQ(v.table.rows.front()[0], "00/01");
    EXPECT_EQ(v.table.rows[599][0], "49/12");
    EXPECT_EQ(v.table.rows.back(), (Row{"99/12", "    1.00", "    1.00", "    1", "   0.12", "    3"}));
    EXPECT_EQ(v.summary.group, "2000年01月～  (1200ヶ月)   最大  00/01 <1.00時間>");

    // A month whose row no longer fits counts in no total.
    YearMonthView cut = Scan(CrLf({"S 00/01/05 08:00", "E 00/01/05 09:00", "S 49/12/05 08:00", "E 49/12/05 10:00",
                                   "S 99/11/05 08:00", "E 99/11/05 09:00", "S 00/02/05 08:00", "E 00/02/05 18:00",
                                   "S 00/03/05 08:00"}));
    ASSERT_EQ(cut.table.rows.size(), 1200u);
    EXPECT_EQ(cut.table.rows.back(), (Row{"99/12", "    0.00", "", "", "", ""}));
    EXPECT_EQ(cut.summary.average, "  1.33 /回");
    EXPECT_EQ(cut.summary.group, "2000年01月～  (1200ヶ月)   最大  49/12 <2.00時間>");
}

TEST(YearMonthView, AStrayTextLineChangesNothing) {
    const std::vector<std::string> lines = {"S 09/03/10 08:00", "E 09/03/10 09:00", "S 09/05/31 23:00",
                                            "E 09/06/01 01:00", "S 09/06/10 08:00", "E 09/06/10 10:00",
                                            "S 09/07/01 08:00"};
    auto log = [&](size_t strayAt, const std::string& stray) {
        std::string bytes;
        for (size_t i = 0; i <= lines.size(); ++i) {
            if (i == strayAt) bytes += stray + "\r\n";
            if (i < lines.size()) bytes += lines[i] + "\r\n";
        }
        return bytes;
    };
    const YearMonthView without = Scan(log(lines.size() + 1, ""));
    ASSERT_EQ(without.table.rows.size(), 4u);
    for (const std::string stray : {"garbage", "hello 09/04/ 09/08/", "S 09/02/30 08:00", "E 09/13/01 09:00"}) {
        for (size_t at = 0; at <= lines.size(); ++at) {
            SCOPED_TRACE(stray + " before line " + std::to_string(at));
            const YearMonthView with = Scan(log(at, stray));
            EXPECT_EQ(with.table.rows, without.table.rows);
            EXPECT_EQ(with.summary.group, without.summary.group);
            EXPECT_EQ(with.summary.average, without.summary.average);
        }
    }
}

TEST(YearMonthView, AMonthOfMoreMinutesThanAnIntHolds) {
    // 760,000 sessions of 2879 minutes each (the longest a pair of lines can give): 2,188,040,000
    // minutes.
    std::string bytes;
    for (int i = 0; i < 760000; ++i) bytes += "S 09/05/01 00:00\r\nE 09/05/02 23:59\r\n";
    bytes += "S 09/06/01 08:00\r\n";
    const Table t = Scan(bytes).table;
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_NEAR(std::stod(t.rows[0][1]), 2188040000.0 / 60, 10.0) << t.rows[0][1];
    EXPECT_EQ(t.rows[0][3], "760000");
}

// A month mark typed further on in a line ("note 09/05/") neither ends April's read nor draws a
// May line into April's block: the month is that of the date columns.
TEST(YearMonthView, AMonthIsToldByTheDateColumnsInEveryView) {
    const std::string bytes = CrLf({"S 09/04/10 08:00", "E 09/04/10 10:00", "S 09/04/13 08:00 note 09/05/",
                                    "E 09/04/13 11:00", "S 09/05/01 08:00 note 09/04/", "E 09/05/01 09:00",
                                    "S 09/06/01 08:00"});
    TestLog log(bytes);
    MonthModel april;
    ASSERT_TRUE(ReadMonth({log.Path(), false, ""}, 2009, 4, 0, april));
    EXPECT_EQ(april.totalMinutes, 300);
    EXPECT_EQ(Months(Scan(bytes).table), (std::vector<std::string>{"09/04    5.00", "09/05    1.00"}));
}
