#pragma once
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "viewer/MonthModel.h"
#include "shared/Table.h"
#include "viewer/ViewerSettings.h"

namespace kestrowa {

// What the main window's list view shows.
enum class ViewKind { Calendar = 0, Daily = 1, PerStart = 2, YearMonth = 6 };

// Everything besides the model that the views depend on.
struct ViewOptions {
    ViewerSettings settings;
    DateTime today;
    // Calendar: 0 = every day carries its date, 1 = only Sundays and the 1st.
    int calendarDates = 1;
    // Per-start view: 0 = every start and end with its date, 1 = only a day's first start and
    // an end on another date.
    int perStartDates = 1;
};

// Texts of the summary group and the view title.
struct SummaryTexts {
    std::string caption;     // 1032: the shown month
    std::string title;       // 1016
    std::string total;       // 1008
    std::string countLabel;  // 1060
    std::string count;       // 1000
    std::string average;     // 1017
    std::string unit;        // 1033
    std::string group;       // 1040
};

// The title 1016 takes for a view.
std::string ViewTitle(ViewKind view);

// The calendar of hours and of starts, with the weekly summary below when WeekRecord is 1. The
// weekly summary corrects the model's day counter and averages per day (and, with MonthLabel 1,
// the average text), so the summary texts are taken after it.
Table BuildCalendarView(MonthModel& model, const ViewOptions& options);
// One row per day up to the last day with starts.
Table BuildDailyView(const MonthModel& model, const ViewOptions& options);
// One row per session.
Table BuildPerStartView(const MonthModel& model, const ViewOptions& options);
// The summary texts for the calendar, daily and per-start views.
SummaryTexts MonthSummaryTexts(const MonthModel& model, ViewKind view, const ViewOptions& options);

struct YearMonthView {
    Table table;
    SummaryTexts summary;
};
// The whole log month by month up to the month before its last; nullopt when the log cannot be
// opened.
std::optional<YearMonthView> BuildYearMonthView(const std::string& logPath, const ViewOptions& options);

// The month view's label: "%4d年%2d月 ".
std::string MonthCaption(int year, int month);
// Label 1033 for a time display.
std::string TimeUnitLabel(int timeMode);

}  // namespace kestrowa
