#include <gtest/gtest.h>

#include "Drawn.h"
#include "shared/Hours.h"
#include "shared/Strings.h"
#include "viewer/ViewerTestLog.h"
#include "viewer/analysis/GraphCanvas.h"
#include "viewer/analysis/MonthSeries.h"

using namespace kestrowa;

namespace {

constexpr int kBaseline = 175;

// `count` months from `first` (a month of the century, 0 = January 2000) on, month k with
// `hours(k)` hours.
template <class Hours>
std::vector<MonthSlot> Months(int count, Hours hours, int first = 9 * 12 + 3) {
    std::vector<MonthSlot> series;
    for (int k = 0; k < count; ++k)
        series.push_back({Format("%02d/%02d", (first + k) / 12 % 100, (first + k) % 12 + 1), static_cast<float>(hours(k))});
    return series;
}

// The bars (outlined in dark green), the average line (dotted red) and the running total (blue).
struct MonthlyDrawn : Drawn {
    explicit MonthlyDrawn(const DrawList& list) : Drawn(list) {
        for (const DrawnRect& r : rects)
            if (r.pen.colour == 0x00C800) bars.push_back(r);
        for (const DrawnLine& l : LinesOf(kGraphRed))
            if (l.pen.style == draw::LineStyle::Dotted) average.push_back(l);
        total = LinesOf(kBlue);
    }
    std::vector<DrawnRect> bars;
    std::vector<DrawnLine> average;
    std::vector<DrawnLine> total;
};

}  // namespace

TEST(MonthlyGraph, BarsRiseHalfAPixelAnHourAndTheTotalOneAPixelPerSixDays) {
    const MonthlyDrawn d(DrawMonthlyGraph(Months(2, [](int k) { return k == 0 ? 200.0 : 0.5; }), MonthWindow::Latest));
    ASSERT_EQ(d.bars.size(), 2u);
    EXPECT_EQ(d.bars[0].rect, (Rect{36, 75, 39, kBaseline}));
    EXPECT_EQ(d.bars[0].fill, kGraphGreen);
    EXPECT_EQ(d.bars[1].rect, (Rect{40, kBaseline, 43, kBaseline}));
    // 453 days in all end at y = 100; exactly 450 days one pixel lower.
    for (auto [hours, y] : {std::pair{5436.0, 100}, std::pair{5400.0, 101}}) {
        const MonthlyDrawn two(DrawMonthlyGraph(Months(2, [&](int) { return hours; }), MonthWindow::First));
        ASSERT_EQ(two.total.size(), 1u);
        EXPECT_EQ((std::vector<int>{two.total[0].x1, two.total[0].x2, two.total[0].y2}), (std::vector<int>{37, 42, y}));
    }
}

TEST(MonthlyGraph, NinetySevenMonthsShowTheFirstOrTheLatestNinetySix) {
    const std::vector<MonthSlot> series = Months(97, [](int k) { return k + 1.0; });
    const struct {
        MonthWindow window;
        int firstBarTop;
        const char* heading;
        const char* firstLabel;
        const char* lastLabel;
    } cases[] = {
        {MonthWindow::First, kBaseline, "2009年04月～  (96ヶ月)  月平均=48.50時間", "09/04", "17/04"},
        // The latest start at the second month; the average takes in every month summed.
        {MonthWindow::Latest, kBaseline - 1, "2009年05月～  (最新の96ヶ月)  月平均=49.00時間", "09/05", "17/05"},
    };
    for (const auto& c : cases) {
        const MonthlyDrawn d(DrawMonthlyGraph(series, c.window));
        ASSERT_EQ(d.bars.size(), 96u);
        EXPECT_EQ(d.bars[0].rect.top, c.firstBarTop);
        EXPECT_EQ(d.bars[95].rect.left, 455);
        EXPECT_EQ(d.TextAt(106, 5), c.heading);
        EXPECT_EQ(d.TextAt(11, 181), c.firstLabel);
        EXPECT_EQ(d.TextAt(11 + 423, 181), c.lastLabel);
        ASSERT_EQ(d.average.size(), 1u);
        EXPECT_EQ(d.average[0].y1, 151);
        EXPECT_EQ(d.total.size(), 95u);
    }
}

TEST(MonthlyGraph, MonthAxisLabelsRunPastTheLastMonthOnceAndStayTwoDigits) {
    const MonthlyDrawn d(DrawMonthlyGraph(Months(12, [](int) { return 10.0; }), MonthWindow::Latest));
    EXPECT_EQ((std::vector<std::string>{d.TextAt(11, 181), d.TextAt(11 + 52, 181), d.TextAt(11 + 105, 181)}),
              (std::vector<std::string>{"09/04", "10/04", ""}));
    const MonthlyDrawn century(DrawMonthlyGraph(Months(12, [](int) { return 5.0; }, 99 * 12), MonthWindow::Latest));
    EXPECT_EQ(century.TextAt(11 + 52, 181), "00/01");
    EXPECT_EQ(century.TextAt(106, 5).substr(0, 15), "1999年01月～");
}

TEST(MonthlyGraph, OneMonthHasABarOnlyAndNoMonthNotEvenThat) {
    const MonthlyDrawn one(DrawMonthlyGraph(Months(1, [](int) { return 120.0; }), MonthWindow::Latest));
    EXPECT_EQ(one.bars.size(), 1u);
    EXPECT_TRUE(one.average.empty() && one.total.empty());
    EXPECT_EQ(one.TextAt(106, 5), "");
    const MonthlyDrawn none(DrawMonthlyGraph({}, MonthWindow::Latest));
    EXPECT_TRUE(none.bars.empty());
    EXPECT_EQ(none.TextAt(11, 181), "");
    EXPECT_EQ((std::vector<std::string>{none.TextAt(9, 120), none.TextAt(467, 20), none.TextAt(426, 5)}),
              (std::vector<std::string>{"100", "900", "累積(日数)"}));
}

TEST(MonthSeries, EachCalendarMonthOnceAndNotTheRunningOne) {
    const struct {
        const char* name;
        std::string log;
        std::vector<std::pair<std::string, int>> minutes;
    } cases[] = {
        {"gap within a year",
         CrLf({"S 09/03/02 08:00", "E 09/03/02 10:00", "S 09/06/01 08:00", "E 09/06/01 09:00", "S 09/07/01 08:00"}),
         {{"09/03", 120}, {"09/04", 0}, {"09/05", 0}, {"09/06", 60}}},
        {"gap across the year end",
         CrLf({"S 09/11/02 08:00", "E 09/11/02 10:00", "S 10/02/01 08:00", "E 10/02/01 09:00", "E 10/03/01 08:00"}),
         {{"09/11", 120}, {"09/12", 0}, {"10/01", 0}, {"10/02", 60}}},
        {"a session across the month end counts where it started",
         CrLf({"S 09/04/30 23:00", "E 09/05/01 01:00", "S 09/05/02 08:00", "E 09/05/02 09:00", "S 09/06/01 08:00"}),
         {{"09/04", 120}, {"09/05", 60}}},
        {"the 9th of October is no line of September",
         CrLf({"S 10/09/30 08:00", "E 10/09/30 10:00", "S 10/10/09 08:00", "E 10/10/09 11:00", "S 10/11/01 08:00"}),
         {{"10/09", 120}, {"10/10", 180}}},
        {"only the running month", CrLf({"S 09/05/01 08:00", "E 09/05/01 10:00"}), {}},
    };
    for (const auto& c : cases) {
        TestLog log(c.log);
        const std::optional<std::vector<MonthSlot>> series = ReadMonthSeries(log.Path());
        ASSERT_TRUE(series.has_value()) << c.name;
        ASSERT_EQ(series->size(), c.minutes.size()) << c.name;
        for (size_t i = 0; i < series->size(); ++i) {
            EXPECT_EQ((*series)[i].key, c.minutes[i].first) << c.name;
            EXPECT_EQ((*series)[i].hours, HoursFromMinutes(c.minutes[i].second)) << c.name;
        }
    }
    EXPECT_FALSE(ReadMonthSeries("/nonexistent/Kestrofl.dat").has_value());
}

TEST(MonthSeries, ALongLogKeepsEveryMonthAndTheLatestWindowEndsWithTheLast) {
    // 250 complete months of one hour from January 1990, and a running one.
    std::string text;
    for (int index = 90 * 12; index <= 90 * 12 + 250; ++index)
        text += Format("S %02d/%02d/03 08:00\r\nE %02d/%02d/03 09:00\r\n", index / 12 % 100, index % 12 + 1,
                       index / 12 % 100, index % 12 + 1);
    TestLog log(text);
    const std::vector<MonthSlot> series = ReadMonthSeries(log.Path()).value();
    ASSERT_EQ(series.size(), 250u);
    const Drawn d(DrawMonthlyGraph(series, MonthWindow::Latest));
    EXPECT_EQ(d.TextAt(106, 5), "2002年11月～  (最新の96ヶ月)  月平均=1.00時間");
}
