#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "viewer/MonthModel.h"
#include "viewer/MonthViewer.h"
#include "viewer/Views.h"
#include "viewer/analysis/MonthSeries.h"

namespace kestrowa {

// The day-by-day graph of one month: ten times each day's hours as a bar, coloured by weekday,
// and the month's running total as a line.
struct DailyGraph {
    int year = 0;
    int month = 0;
    int firstWeekday = 0;  // 0 = Sunday
    int64_t totalMinutes = 0;
    // Ten times the hours of day 1, 2, … (0 for a day without starts), truncated; ends where the
    // day list ended.
    std::vector<int> dayBars;
    // Pixels per tenth of an hour: 1 when the largest day has 7.5 hours or more, else 2.
    double dayScale = 2.0;
    // Without a log there is no month to head the graph with.
    bool logRead = true;
};

// The bars of a month's day list and its largest day in hours. Day d takes the next entry of the
// list when that entry's date is the d-th; the bars end where the list ends (or after day 31).
struct DayValues {
    std::vector<int> bars;
    double largest = 0.0;
};
DayValues DayValuesOf(const std::vector<DayEntry>& days);
double DayScaleFor(double largestDay);

// Reads a month for the graph as the main window reads it. A month of which the log holds no line
// (or a log that cannot be read) shows no bars and keeps the scale it had.
void ReadGraphMonth(const LogRead& log, int year, int month, DailyGraph& graph);

// In the graphs' design size, without its ground (`InGraphArea` lays it out in an area).
DrawList DrawDailyGraph(const DailyGraph& graph);

enum class GraphMode { CurrentMonth = 0, YearMonth = 1 };

// What the main window hands the trend graph: its month, the month's day list and where the log
// lies.
struct TrendGraphOpening {
    DateTime today;
    int year = 0;
    int month = 0;
    int firstWeekday = 0;
    int64_t totalMinutes = 0;
    ViewKind mainView = ViewKind::Calendar;
    LogRead log;
    bool logRead = true;  // whether the month was read from the log
    std::vector<DayEntry> days;
};
// What the main window hands over: its month as read, its view, its log and its start moment.
TrendGraphOpening TrendGraphOpeningOf(const MonthViewer& viewer);

// The main window's view title while the graph is open.
inline constexpr const char* kTrendGraphViewTitle = "稼働時間の推移";

// The captions and checks of the graph's window for its mode.
struct TrendGraphControls {
    std::string title;
    bool yearMonth = false;     // radio 年月別 (else 当月)
    std::string firstCaption;   // 1041: 前の月へ, or the first 96 months
    std::string secondCaption;  // 1042: 次の月へ, or the latest 96 months
    bool firstChecked = false;
    bool secondChecked = false;
};

// The trend graph's state: the month of the day-by-day graph, stepped back without limit and
// forward up to today's month, and the 96-month window of the year-month graph.
class TrendGraph {
public:
    explicit TrendGraph(TrendGraphOpening opening);

    GraphMode Mode() const { return mode_; }
    MonthWindow Window() const { return window_; }
    const DailyGraph& Daily() const { return daily_; }

    // 当月 and 年月別.
    void ChooseCurrentMonth();
    void ChooseYearMonth();
    // The two push-like buttons: the previous and next month by day, or the first and the latest
    // 96 months by month.
    void PressFirst();
    void PressSecond();

    TrendGraphControls Controls() const;
    // The drawing of the mode laid out in a drawing area of `area`; the year-month graph reads
    // the whole log each time.
    DrawList Draw(Size area) const;

private:
    void StepTo(int year, int month);

    int todayYear_;
    int todayMonth_;
    LogRead log_;
    GraphMode mode_;
    MonthWindow window_ = MonthWindow::Latest;
    DailyGraph daily_;
};

}  // namespace kestrowa
