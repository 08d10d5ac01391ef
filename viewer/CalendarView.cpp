#include <array>
#include <cstdlib>

#include "shared/Strings.h"
#include "viewer/Views.h"

namespace kestrowa {

namespace {

constexpr int kWeeks = 6;
constexpr int kMonthSlot = 5;  // the sixth week's slot holds the month total when that week is empty

struct Week {
    int days = 0;  // negative in the month slot
    int starts = 0;
    double hours = 0.0;
};

// One calendar block: a row per calendar week, a cell per day with its label and value.
void AddCalendarRows(Table& table, const MonthModel& model, const ViewOptions& options, bool hours) {
    const int fw = model.firstWeekday;
    const bool currentMonth = options.settings.secondLog.empty() && model.year == options.today.year &&
                              model.month == options.today.month;
    const size_t first = table.rows.size();
    const int weeks = (fw + model.daysInMonth - 1) / 7 + 1;
    for (int w = 0; w < weeks; ++w) table.AddRow();

    size_t next = 0;
    for (int d = 1; d <= model.daysInMonth; ++d) {
        const int column = (fw + d - 1) % 7;
        const int row = (fw + d - 1) / 7;
        const DayEntry* entry = nullptr;
        // One walk through the day list in step with the days: an entry out of order is never met.
        if (next < model.days.size() && DayNumber(model.days[next].date) == d) entry = &model.days[next++];

        std::string label = options.calendarDates == 1 && d != 1 && column != 0 ? (hours ? "   " : "    ")
                                                                                  : Format("%2d/", d);
        std::string value;
        if (currentMonth && d > options.today.day)
            value = "  -  ";
        else if (entry == nullptr)
            value = "   0";
        else if (!hours)
            value = entry->starts;
        else if (options.settings.timeMode == kTimeDecimal)
            value = entry->hours;
        else
            value = HoursMinutesText("%2d:%02d", std::atof(entry->hours.c_str()));
        table.rows[first + static_cast<size_t>(row)][static_cast<size_t>(column)] = label + value;
    }
}

std::string HoursCell(double hours, int timeMode, const char* decimalFormat) {
    if (timeMode == kTimeDecimal) return Format(decimalFormat, hours);
    return HoursMinutesText("%4d:%02d", hours);
}

// The weekly summary rows. Where the sixth week has no starts its slot sums the month, and the
// day count found there corrects the model's own day counter, which counts date changes between
// starts of dropped sessions too.
void AddWeeklySummary(Table& table, MonthModel& model, const ViewOptions& options) {
    const int timeMode = options.settings.timeMode;
    std::array<Week, kWeeks> weeks{};
    for (const DayEntry& day : model.days) {
        const int k = (model.firstWeekday + DayNumber(day.date) - 1) / 7;
        if (k < 0 || k >= kWeeks) continue;
        weeks[k].days += 1;
        weeks[k].starts += ToInt(day.starts);
        weeks[k].hours += std::atof(day.hours.c_str());
    }

    if (weeks[kMonthSlot].days == 0) {
        Week month;
        for (int k = 0; k < kMonthSlot; ++k) {
            month.days += weeks[k].days;
            month.starts += weeks[k].starts;
            month.hours += weeks[k].hours;
        }
        if (month.days != model.dayCounter) {
            model.dayCounter = month.days;
            model.dayCounterText = PaddedInteger(month.days, 0);
            const double perDay = month.days != 0 ? month.hours / month.days : 0.0;
            model.averagePerDayHm = HoursMinutesText(" %0d:%02d /日", perDay);
            model.averagePerDayDecimal = Format("%5.02f /日", perDay);
        }
        if (options.settings.monthLabel == 1) {
            const double perStart = month.starts != 0 ? month.hours / month.starts : 0.0;
            model.averageText = timeMode == kTimeDecimal ? Format("%5.02f /回", perStart)
                                                         : HoursMinutesText(" %0d:%02d /回", perStart);
        }
        weeks[kMonthSlot] = {-month.days, month.starts, month.hours};
    }

    static constexpr const char* kWeekNames[kWeeks] = {"第１週", "第２週", "第３週", "第４週", "第５週", "第６週"};
    static constexpr const char* kLabels[] = {"", "週間", "累計(h)", "日平均(h)", "稼動日数", "回平均(h)", "起動回数"};
    const size_t first = table.rows.size();
    for (const char* label : kLabels) table.AddRow()[0] = label;
    auto cell = [&](int row, int k) -> std::string& { return table.rows[first + static_cast<size_t>(row)][static_cast<size_t>(k + 1)]; };

    for (int k = 0; k < kWeeks; ++k) {
        const Week& w = weeks[k];
        if (k >= 4 && w.days == 0) continue;
        const bool monthColumn = k == kMonthSlot && w.days < 0;
        const int days = std::abs(w.days);
        cell(1, k) = monthColumn ? "計(月間)" : kWeekNames[k];
        if (monthColumn) {
            const int64_t wholeHours = model.totalMinutes / 60;
            cell(2, k) = (wholeHours < 10 ? "  " : wholeHours < 100 ? " " : "") + model.totalText;
        } else {
            cell(2, k) = HoursCell(w.hours, timeMode, "%6.2f");
        }
        cell(3, k) = days == 0 ? "   ---" : HoursCell(w.hours / days, timeMode, " %6.2f");
        cell(4, k) = PaddedInteger(days, 6);
        if (w.starts == 0)
            cell(5, k) = "   ---";
        else if (monthColumn)
            cell(5, k) = "  " + model.averageText.substr(0, model.averageText.find('/'));
        else
            cell(5, k) = HoursCell(w.hours / w.starts, timeMode, "%6.2f");
        cell(6, k) = PaddedInteger(w.starts, 6);
    }
}

}  // namespace

Table BuildCalendarView(MonthModel& model, const ViewOptions& options) {
    Table table;
    // Narrower columns leave room for the scroll bar that a sixth calendar row brings.
    const int lastDay = model.days.empty() ? 0 : DayNumber(model.days.back().date);
    const int width = model.days.size() >= 2 && (model.firstWeekday + lastDay - 1) / 7 >= 5 ? 68 : 70;
    for (const char* header : {" 日 ", " 月 ", " 火 ", " 水 ", " 木 ", " 金 ", " 土 "})
        table.columns.push_back({header, width});

    AddCalendarRows(table, model, options, true);
    table.AddRow();
    std::vector<std::string>& label = table.AddRow();
    label[0] = "起動回数";
    for (size_t c = 1; c < label.size(); ++c) label[c] = "-------";
    AddCalendarRows(table, model, options, false);
    if (options.settings.weekRecord == 1) AddWeeklySummary(table, model, options);
    return table;
}

}  // namespace kestrowa
