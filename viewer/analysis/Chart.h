#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "shared/DrawList.h"
#include "viewer/MonthModel.h"
#include "viewer/MonthViewer.h"

namespace kestrowa {

// The month the chart shows, as the main window hands it over: the heading's total is the main
// window's, whatever the chart reads itself.
struct ChartMonth {
    int year = 0;
    int month = 0;
    int firstWeekday = 0;  // 0 = Sunday
    int64_t totalMinutes = 0;
};

// What the main window hands the chart: its month as read and the log it shows.
struct ChartOpening {
    ChartMonth month;
    LogRead log;
};
ChartOpening ChartOpeningOf(const MonthViewer& viewer);

// The main window's view title while the chart is open.
inline constexpr const char* kChartViewTitle = "稼働時間のチャート";

// The sessions of the month as the main window pairs them; nullopt when the log cannot be read.
std::optional<std::vector<SessionEntry>> ReadChartSessions(const LogRead& log, int year, int month);

// Every session as a line from its start to its end on the row of the day it started; the day
// runs from 6:00 to 6:00 of the next morning. Without a log (nullopt) there is no month to head
// the chart with. In the graphs' design size, without its ground (`InGraphArea` lays it out in an
// area).
DrawList DrawChart(const ChartMonth& month, const std::optional<std::vector<SessionEntry>>& sessions);
// The chart as its window shows it in a drawing area of `area`: the month's sessions read from
// the log, then drawn.
DrawList ChartDrawing(const ChartOpening& chart, Size area);

}  // namespace kestrowa
