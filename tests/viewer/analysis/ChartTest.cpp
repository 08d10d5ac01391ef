#include <gtest/gtest.h>

#include "Drawn.h"
#include "viewer/ViewerTestLog.h"
#include "viewer/analysis/Chart.h"
#include "viewer/analysis/GraphCanvas.h"

using namespace kestrowa;

namespace {

// May 2009: the 1st a Friday, so the 10th and the 17th are Sundays, the 16th a Saturday.
constexpr ChartMonth kMay{2009, 5, 5, 9000};

// The session lines: pens 2 pixels wide.
std::vector<DrawnLine> SessionLines(const Drawn& d) {
    std::vector<DrawnLine> found;
    for (const DrawnLine& l : d.lines)
        if (l.pen.width == 2 && l.y1 == l.y2) found.push_back(l);
    return found;
}

}  // namespace

TEST(Chart, SessionLinesLieOnTheirDaysRowFromStartToEnd) {
    struct Case {
        const char* start;
        const char* end;
        Colour ink;
        int y, x1, x2;
    };
    const Case cases[] = {
        {"09/05/10 08:00", "09/05/10 12:00", kGraphRed, 68, 74, 139},
        {"09/05/12 23:00", "09/05/13 01:30", kBlack, 78, 316, 357},  // past midnight, same row
        {"09/05/14 02:00", "09/05/14 04:00", kBlack, 87, 364, 396},  // small hours: right-hand end
        {"09/05/16 06:00", "09/05/16 06:30", kBlue, 97, 42, 50},
        {"09/05/31 22:00", "09/06/01 05:59", kGraphRed, 170, 300, 429},
        // A later end date ends the line on the next morning however long the session: a day
        // and more ends at the right axis, as does a night session past 6:00.
        {"09/05/15 10:30", "09/05/16 10:10", kBlack, 92, 115, 429},
        {"09/05/14 05:00", "09/05/14 07:00", kBlack, 87, 412, 429},
        {"09/05/17 03:00", "09/05/19 02:00", kGraphRed, 102, 380, 429},
    };
    for (const Case& c : cases) {
        const Drawn d(DrawChart(kMay, std::vector<SessionEntry>{{c.start, c.end, ""}}));
        const std::vector<DrawnLine> lines = SessionLines(d);
        ASSERT_EQ(lines.size(), 1u) << c.start;
        EXPECT_EQ(lines[0].pen, (draw::Pen{c.ink, 2})) << c.start;
        EXPECT_EQ(lines[0].y1, c.y) << c.start;
        EXPECT_EQ(lines[0].x1, c.x1) << c.start;
        EXPECT_EQ(lines[0].x2, c.x2) << c.start;
    }
}

TEST(Chart, FrameCarriesTheHandedOverTotalAndTheHourScale) {
    const Drawn d(DrawChart(kMay, std::vector<SessionEntry>{}));
    EXPECT_EQ(d.TextAt(74, 5), "［2009年 5月］ 計：150.00 時間");
    const std::vector<std::pair<int, std::string>> hours = {{36, " 6"}, {132, "12"}, {229, "18"}, {326, "24"}, {422, " 6"}};
    for (const auto& [x, label] : hours) EXPECT_EQ(d.TextAt(x, 180), label) << x;
    std::vector<int> weekRows;
    for (const DrawnLine& l : d.lines)
        if (l.pen.style == draw::LineStyle::Dotted) weekRows.push_back(l.y1);
    EXPECT_EQ(weekRows, (std::vector<int>{53, 87, 121, 155}));
    EXPECT_EQ(d.TextAt(12, 150), "28");
    EXPECT_TRUE(SessionLines(d).empty());
}

TEST(Chart, StartOutsideTheMonthsDaysIsNotDrawn) {
    const Drawn d(DrawChart(kMay, std::vector<SessionEntry>{{"09/05/xx 08:00", "09/05/xx 09:00", ""},
                                                            {"09/05/32 08:00", "09/05/32 09:00", ""}}));
    EXPECT_TRUE(SessionLines(d).empty());
}

TEST(ChartLog, ReadsTheMonthAsTheMainWindowPairsIt) {
    TestLog log(CrLf({"S 09/04/30 23:00", "E 09/05/01 01:00", "S 09/05/10 08:00", "E 09/05/10 12:00",
                      "S 09/05/20 08:00"}));
    const std::optional<std::vector<SessionEntry>> own =
        ReadChartSessions({log.Path(), true, "E 09/05/20 10:15"}, 2009, 5);
    ASSERT_EQ(own->size(), 2u);
    EXPECT_EQ((*own)[1].start, "09/05/20 08:00");
    EXPECT_EQ((*own)[1].end, "09/05/20 10:15");
    EXPECT_EQ(ReadChartSessions({log.Path(), false, "E 09/05/20 10:15"}, 2009, 5)->size(), 1u);
}

TEST(ChartLog, WithoutTheLogOnlyTheFrameIsDrawn) {
    const Drawn d(ChartDrawing({kMay, {"/nonexistent/Kestrofl.dat", true, "E 09/05/20 10:15"}}, kGraphDesignSize));
    EXPECT_TRUE(SessionLines(d).empty());
    EXPECT_EQ(d.TextAt(74, 5), "");
    EXPECT_EQ(d.TextAt(14, 5), "(日)");
}
