#include "viewer/analysis/Chart.h"

#include <algorithm>

#include "shared/Hours.h"
#include "shared/Strings.h"
#include "viewer/analysis/GraphCanvas.h"

namespace kestrowa {

namespace {

constexpr int kBase = 175;
constexpr int kTop = 20;
constexpr int kLeft = 34;
constexpr int kRight = 437;
constexpr int kMonthDays = 31;
constexpr double kPixelsPerDay = 4.838709677419355;  // 150 / 31
constexpr double kPixelsPerWeek = 33.87096774193549;
constexpr double kPixelsPerHour = 16.12;
// The hour scale: hour t lies at 42 + truncate(t * 16.12), moved left by its first six hours so
// that the chart's day starts at 6:00 on x = 42.
constexpr int kHourZeroX = 42;
constexpr int kMorningHour = 6;
constexpr int kChartHours = 24;
constexpr Colour kWeekLineGray = 0x969696;
constexpr Colour kHourLineGray = 0xB4B4B4;

constexpr int DayY(int day) { return kTop + static_cast<int>(day * kPixelsPerDay); }
constexpr int ScaleX(double hours) { return kHourZeroX + static_cast<int>(hours * kPixelsPerHour); }
// The chart's day runs from 6:00 (x = 42) to 6:00 of the next morning (x = 429); a session that
// starts before 6:00 belongs behind midnight, at the right-hand end.
constexpr int kMorningShift = ScaleX(kMorningHour) - kHourZeroX;
constexpr int kNightShift = ScaleX(kChartHours) - kHourZeroX - kMorningShift;
constexpr int kFirstX = kHourZeroX;
constexpr int kLastX = ScaleX(kChartHours + kMorningHour) - kMorningShift;

Colour WeekdayInk(int weekday) {
    if (weekday == 0) return kGraphRed;
    if (weekday == 6) return kBlue;
    return kBlack;
}

// x of a time of the chart's day whose start hour is `startHour`; `hour` may be past 24.
int TimeX(int hour, int minute, int startHour) {
    const float hours = HoursFromMinutes(hour * 60 + minute);
    const int x = ScaleX(hours) + (startHour < kMorningHour ? kNightShift : -kMorningShift);
    return std::clamp(x, kFirstX, kLastX);
}

}  // namespace

ChartOpening ChartOpeningOf(const MonthViewer& viewer) {
    const MonthModel& m = viewer.Model();
    return {{m.year, m.month, m.firstWeekday, m.totalMinutes}, viewer.Log()};
}

std::optional<std::vector<SessionEntry>> ReadChartSessions(const LogRead& log, int year, int month) {
    MonthModel model;
    if (!ReadMonth(log, year, month, kTimeHoursMinutes, model)) return std::nullopt;
    return std::move(model.sessions);
}

DrawList DrawChart(const ChartMonth& m, const std::optional<std::vector<SessionEntry>>& sessions) {
    DrawList d;
    d.SelectPen(kBlue, 2);
    d.Line(kLeft, kBase, kLeft, kTop);
    d.Line(kRight, kBase, kRight, kTop);
    d.SelectPen(kBlack);
    d.Line(kLeft, kBase, kRight, kBase);
    SelectGraphFont(d);
    d.Line(kLeft, kTop, kRight, kTop);
    GraphText(d, 12, kTop, PaddedInteger(1, 2));

    d.SelectPen(kWeekLineGray, 1, draw::LineStyle::Dotted);
    for (int k = 1; k <= 4; ++k) {
        const int y = kTop + static_cast<int>(k * kPixelsPerWeek);
        d.Line(kLeft, y, kRight, y);
        GraphText(d, 12, y - 5, PaddedInteger(7 * k, 2));
    }

    d.SelectPen(kBlack);
    GraphText(d, 14, 5, "(日)");
    GraphText(d, 441, 147, "赤:日曜");
    GraphText(d, 441, 159, "青:土曜");
    if (sessions)
        GraphText(d, 74, 5, Format("［%d年 %d月］ 計：%.2f 時間", m.year, m.month, HoursFromMinutes(m.totalMinutes)));

    for (int i = 0; i <= kChartHours; ++i) {
        const int x = ScaleX(i);
        d.Line(x, kBase, x, kBase + 3);
        if (i % 6 != 0) continue;
        GraphText(d, x - 6, 180, PaddedInteger(i <= 18 ? i + kMorningHour : i - 18, 2));
        d.SelectPen(kHourLineGray);
        d.Line(x, kBase, x, kTop);
        d.SelectPen(kBlack);
    }
    GraphText(d, 446, 180, "(時)");
    for (int day = 1; day <= kMonthDays; ++day) d.Line(kLeft, DayY(day), kLeft + 3, DayY(day));

    if (!sessions) return d;
    for (const SessionEntry& s : *sessions) {
        // "yy/mm/dd hh:mm": a start whose day is not one of the month's has no row.
        const int day = DayNumber(s.start);
        if (day < 1 || day > kMonthDays) continue;
        const int startHour = ToInt(Columns(s.start, 9, 2));
        int endHour = ToInt(Columns(s.end, 9, 2));
        // A session that ends on a later date ends on the chart's next day, whatever its hours.
        if (Columns(s.end, 0, 8) != Columns(s.start, 0, 8)) endHour += kChartHours;
        d.SelectPen(WeekdayInk((m.firstWeekday + day - 1) % 7), 2);
        const int y = DayY(day);
        d.Line(TimeX(startHour, ToInt(Columns(s.start, 12, 2)), startHour), y,
               TimeX(endHour, ToInt(Columns(s.end, 12, 2)), startHour), y);
    }
    return d;
}

DrawList ChartDrawing(const ChartOpening& chart, Size area) {
    return InGraphArea(DrawChart(chart.month, ReadChartSessions(chart.log, chart.month.year, chart.month.month)), area);
}

}  // namespace kestrowa
