#include <gtest/gtest.h>

#include "Drawn.h"
#include "viewer/ViewerTestLog.h"
#include "viewer/analysis/GraphCanvas.h"
#include "viewer/analysis/TrendGraph.h"

using namespace kestrowa;

namespace {

constexpr int kBaseline = 175;

// May 2009 (the 1st a Friday) with the day list given, opened from the calendar.
TrendGraphOpening MayWith(std::vector<DayEntry> days, int totalMinutes = 600, LogRead log = {}) {
    return {{2009, 5, 20, 10, 15, 0}, 2009, 5, 5, totalMinutes, ViewKind::Calendar, std::move(log), true, std::move(days)};
}

// The labels at the three grid lines, bottom up, at the left or the right.
std::vector<std::string> Labels(const Drawn& d, int x) { return {d.TextAt(x, 120), d.TextAt(x, 70), d.TextAt(x, 20)}; }

}  // namespace

TEST(DailyGraph, LargestDayChoosesTheScaleOfBarsAndLabels) {
    const struct {
        const char* hours;
        std::vector<std::string> labels;
        int barTop;
    } cases[] = {
        {"  7.50", {" 5", "10", "15"}, kBaseline - 75},
        {"  7.40", {"2.5", "5.0", "7.5"}, kBaseline - 148},
        {"  8.37", {" 5", "10", "15"}, 92},  // 83 tenths of an hour
        {" 18.00", {" 5", "10", "15"}, 20},  // ends at the frame, clear of the texts above it
    };
    for (const auto& c : cases) {
        const Drawn d(TrendGraph(MayWith({{"09/05/01", c.hours, "   1"}})).Draw(kGraphDesignSize));
        EXPECT_EQ(Labels(d, 12), c.labels) << c.hours;
        ASSERT_EQ(d.rects.size(), 2u) << c.hours;  // the white ground and the bar
        EXPECT_EQ(d.rects[1].rect, (Rect{38, c.barTop, 48, 176})) << c.hours;
    }
}

TEST(DailyGraph, MonthTotalChoosesTheRunningTotalScale) {
    // 149.98 hours: a pixel an hour; 150 hours: half a pixel. The first day has 10 hours.
    for (auto [minutes, labels, y] : {std::tuple{8999, std::vector<std::string>{" 50", "100", "150"}, kBaseline - 10},
                                      std::tuple{9000, std::vector<std::string>{"100", "200", "300"}, kBaseline - 5}}) {
        const Drawn d(TrendGraph(MayWith({{"09/05/01", " 10.00", "   1"}}, minutes)).Draw(kGraphDesignSize));
        EXPECT_EQ(Labels(d, 442), labels) << minutes;
        const std::vector<DrawnLine> total = d.LinesOf(kGraphRed);
        ASSERT_EQ(total.size(), 1u);
        EXPECT_EQ((std::vector<int>{total[0].x1, total[0].y1, total[0].x2, total[0].y2}),
                  (std::vector<int>{38, kBaseline, 43, y}));
    }
}

TEST(DailyGraph, BarsAreColouredByWeekday) {
    DailyGraph g{2009, 8, 6, 0, {10, 20, 30}};  // 1 August 2009 was a Saturday
    const Drawn d(DrawDailyGraph(g));  // in the design size, without the ground
    ASSERT_EQ(d.rects.size(), 3u);
    EXPECT_EQ((std::vector<Colour>{d.rects[0].fill, d.rects[1].fill, d.rects[2].fill}),
              (std::vector<Colour>{kBlue, kGraphRed, kGraphGreen}));
    EXPECT_EQ(d.rects[0].pen, (draw::Pen{kBlack, 1}));
}

TEST(DailyGraph, StartsEndingOnTheTwentiethDrawTwentyBarsAndStopTheTotalThere) {
    const Drawn d(TrendGraph(MayWith({{"09/05/02", "  3.00", "   1"}, {"09/05/20", "  2.25", "   1"}})).Draw(kGraphDesignSize));
    ASSERT_EQ(d.rects.size(), 21u);
    EXPECT_EQ(d.rects[1].rect.top, kBaseline);  // the 1st, without starts
    EXPECT_EQ(d.rects[20].rect, (Rect{285, kBaseline - 44, 295, 176}));
    const std::vector<DrawnLine> total = d.LinesOf(kGraphRed);
    ASSERT_EQ(total.size(), 20u);
    EXPECT_EQ(total.back().x2, 290);
    EXPECT_EQ(total.back().y2, kBaseline - 5);  // 52 tenths of an hour
}

TEST(DailyGraph, AnEmptyMonthHasNoBarsAndWithoutALogNoHeading) {
    TrendGraph read(MayWith({}, 0));
    TrendGraph unread(MayWith({{"09/05/01", "  9.00", "   1"}}, 540, {"/nonexistent/Kestrofl.dat", true, ""}));
    unread.PressFirst();  // April, from a log that cannot be read
    for (const auto& [graph, heading] : {std::pair{&read, "［2009年 5月］ 計：0.00 時間"}, std::pair{&unread, ""}}) {
        const Drawn d(graph->Draw(kGraphDesignSize));
        EXPECT_EQ(d.rects.size(), 1u);
        EXPECT_TRUE(d.LinesOf(kGraphRed).empty());
        EXPECT_EQ(d.TextAt(106, 5), heading);
        EXPECT_EQ(d.TextAt(14, 5), "日毎の稼動時間");
    }
    EXPECT_EQ(unread.Daily().dayScale, 1.0);
}

TEST(TrendGraph, OpensByDayUnlessTheMainWindowShowsTheYearMonthView) {
    for (ViewKind view : {ViewKind::Calendar, ViewKind::Daily, ViewKind::PerStart, ViewKind::YearMonth}) {
        TrendGraphOpening o = MayWith({});
        o.mainView = view;
        const TrendGraph graph(o);
        EXPECT_EQ(graph.Mode(), view == ViewKind::YearMonth ? GraphMode::YearMonth : GraphMode::CurrentMonth);
        EXPECT_EQ(graph.Window(), MonthWindow::Latest);
    }
}

TEST(TrendGraph, ControlsFollowTheModeAndWindow) {
    TrendGraph graph(MayWith({}));
    auto shown = [&] {
        const TrendGraphControls c = graph.Controls();
        return std::vector<std::string>{c.title, c.firstCaption, c.secondCaption,
                                        std::string(c.yearMonth ? "年月別" : "当月") + (c.firstChecked ? " first" : "") +
                                            (c.secondChecked ? " second" : "")};
    };
    EXPECT_EQ(shown(), (std::vector<std::string>{"　稼働時間の推移図（月別：日毎）", "　前の月へ", "　次の月へ", "当月"}));
    graph.ChooseYearMonth();
    EXPECT_EQ(shown(), (std::vector<std::string>{"　稼働時間の推移図(年月別)", "最初から96ヶ月間", "最新の96ヶ月間",
                                                 "年月別 second"}));
    graph.PressFirst();
    EXPECT_EQ(shown().back(), "年月別 first");
    // Back by day and again by month: the latest months again.
    graph.ChooseCurrentMonth();
    graph.ChooseYearMonth();
    EXPECT_EQ(shown().back(), "年月別 second");
}

class TrendGraphStepping : public ::testing::Test {
protected:
    TrendGraph Open(int year, int month, DateTime today) {
        TrendGraphOpening o = MayWith({}, 0, {log_.Path(), true, NowLine(today)});
        o.today = today;
        o.year = year;
        o.month = month;
        return TrendGraph(o);
    }
    static std::pair<int, int> Shown(const TrendGraph& g) { return {g.Daily().year, g.Daily().month}; }

    TestLog log_{CrLf({"S 09/12/01 08:00", "E 09/12/01 16:00", "S 09/12/31 23:00", "E 10/01/01 01:00",
                       "S 10/01/04 08:00", "E 10/01/04 09:30"})};
};

TEST_F(TrendGraphStepping, BackCrossesTheYearWithoutLimitAndReadsThatMonth) {
    TrendGraph g = Open(2010, 1, {2010, 3, 1, 9, 0, 0});
    g.PressFirst();
    EXPECT_EQ(Shown(g), std::make_pair(2009, 12));
    EXPECT_EQ(g.Daily().firstWeekday, 2);  // 1 December 2009 was a Tuesday
    EXPECT_EQ(g.Daily().totalMinutes, 600);
    EXPECT_EQ(g.Daily().dayScale, 1.0);  // 8 hours on the 1st
    EXPECT_EQ(g.Daily().dayBars.size(), 31u);
    EXPECT_EQ(g.Daily().dayBars[0], 80);
    EXPECT_EQ(g.Daily().dayBars[30], 20);
    for (int i = 0; i < 30; ++i) g.PressFirst();
    EXPECT_EQ(Shown(g), std::make_pair(2007, 6));
    EXPECT_TRUE(g.Daily().dayBars.empty());
}

TEST_F(TrendGraphStepping, ForwardStopsAtTodaysMonthAndReadsItAgain) {
    for (DateTime today : {DateTime{2010, 1, 20, 9, 0, 0}, DateTime{2009, 12, 20, 9, 0, 0}}) {
        TrendGraph g = Open(today.year, today.month, today);
        g.PressSecond();
        EXPECT_EQ(Shown(g), std::make_pair(today.year, today.month));
        EXPECT_FALSE(g.Daily().dayBars.empty());
    }
    TrendGraph g = Open(2009, 12, {2010, 1, 20, 9, 0, 0});
    g.PressSecond();
    EXPECT_EQ(Shown(g), std::make_pair(2010, 1));
    EXPECT_EQ(g.Daily().dayBars, (std::vector<int>{0, 0, 0, 15}));
    EXPECT_EQ(g.Daily().dayScale, 2.0);
}

TEST(TrendGraphScale, AMonthWithoutLinesKeepsTheScaleAndOneWithLinesSetsIt) {
    // September holds one line but no session; October holds no line at all.
    TestLog log(CrLf({"E 09/09/05 08:00", "S 09/11/02 08:00", "E 09/11/02 17:00"}));
    TrendGraphOpening o = MayWith({{"09/11/02", "  9.00", "   1"}}, 540, {log.Path(), false, ""});
    o.today = {2009, 11, 20, 9, 0, 0};
    o.month = 11;
    TrendGraph g(o);
    std::vector<double> scales{g.Daily().dayScale};
    for (auto step : {&TrendGraph::PressFirst, &TrendGraph::PressFirst, &TrendGraph::PressSecond, &TrendGraph::PressSecond}) {
        (g.*step)();
        scales.push_back(g.Daily().dayScale);
    }
    EXPECT_EQ(scales, (std::vector<double>{1.0, 1.0, 2.0, 2.0, 1.0}));
}

// Laid out in an area, the drawing starts with the area's whole ground and spreads over it: the
// frame, the texts and the pens follow the area's size, as the window's area at 96 and 144 DPI.
TEST(GraphArea, TheDrawingIsLaidOutInTheAreaItIsGiven) {
    const struct {
        Size area;
        int rightAxis;
        int baseline;
        int font;
        int axisPen;
    } cases[] = {
        {kGraphDesignSize, 437, kBaseline, 12, 2},
        {{549, 208}, 492, 186, 13, 2},
        {{824, 312}, 738, 279, 19, 3},
    };
    for (const auto& c : cases) {
        const DrawList list = TrendGraph(MayWith({{"09/05/01", "  9.00", "   1"}})).Draw(c.area);
        const Drawn d(list);
        EXPECT_EQ(d.rects.front().rect, (Rect{0, 0, c.area.width, c.area.height})) << c.area.width;
        EXPECT_EQ(d.rects.front().fill, kWhite);
        const std::vector<DrawnLine> axes = d.LinesOf(kBlue, c.axisPen);
        ASSERT_EQ(axes.size(), 2u) << c.area.width;
        EXPECT_EQ(axes[1].x1, c.rightAxis) << c.area.width;
        EXPECT_EQ(axes[1].y1, c.baseline) << c.area.width;
        std::vector<int> fonts;
        for (const draw::Element& e : list.Elements())
            if (auto* f = std::get_if<draw::Font>(&e)) fonts.push_back(f->height);
        EXPECT_EQ(fonts, std::vector<int>{c.font}) << c.area.width;
        for (const DrawnRect& r : d.rects)
            EXPECT_TRUE(r.rect.right <= c.area.width && r.rect.bottom <= c.area.height) << c.area.width;
    }
}
