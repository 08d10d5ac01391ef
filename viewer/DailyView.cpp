#include <cstdlib>

#include "shared/Hours.h"
#include "shared/Strings.h"
#include "viewer/Views.h"

namespace kestrowa {

namespace {

constexpr size_t kDailyRowLimit = 32;

// A day of the daily view: its first start, last end, summed hours and start count.
struct DayRun {
    std::string firstStart;
    std::string lastEnd;
    double hours = 0.0;
    std::string starts;
};

std::vector<DayRun> DayRuns(const MonthModel& model) {
    std::vector<DayRun> days;
    const std::vector<SessionRun> runs = StartDateRuns(model.sessions);
    for (size_t k = 0; k < runs.size(); ++k) {
        DayRun day{model.sessions[runs[k].first].start, model.sessions[runs[k].last - 1].end, 0.0,
                   k < model.startsPerDay.size() ? model.startsPerDay[k] : std::string()};
        for (size_t i = runs[k].first; i < runs[k].last; ++i) day.hours += std::atof(model.sessions[i].hours.c_str());
        days.push_back(std::move(day));
    }
    return days;
}

int MinuteOfDay(std::string_view text) { return ToInt(Columns(text, 9, 2)) * 60 + ToInt(Columns(text, 12, 2)); }

}  // namespace

Table BuildDailyView(const MonthModel& model, const ViewOptions& options) {
    static constexpr const char* kWeekdays[7] = {"(日)", "(月)", "(火)", "(水)", "(木)", "(金)", "(土)"};
    Table table;
    table.columns = {{" 日 ", 52}, {"最初の起動時刻", 100}, {"最後の終了時刻", 100},
                     {"稼働時間", 80}, {"中断時間", 80}, {"起動数", 66}};
    if (model.totalHm == "0:00") return table;

    const std::vector<DayRun> runs = DayRuns(model);
    const bool hm = options.settings.timeMode == kTimeHoursMinutes;
    size_t next = 0;
    for (int d = 1; d <= model.daysInMonth && table.rows.size() < kDailyRowLimit; ++d) {
        if (next >= runs.size()) break;
        std::vector<std::string>& row = table.AddRow();
        row[0] = PaddedInteger(d, 2) + kWeekdays[(model.firstWeekday + d - 1) % 7];
        if (DayNumber(runs[next].firstStart) != d) {
            row[1] = "   -   ";
            row[2] = "   -   ";
            row[3] = " - ";
            row[4] = " - ";
            row[5] = "   0 ";
            continue;
        }
        const DayRun& run = runs[next++];
        row[1] = "   " + std::string(Columns(run.firstStart, 9, std::string::npos));
        row[2] = "   " + std::string(Columns(run.lastEnd, 9, std::string::npos));
        // The time the computer was off between the day's first start and its last end.
        int span = MinuteOfDay(run.lastEnd) - MinuteOfDay(run.firstStart);
        if (DayNumber(run.lastEnd) != DayNumber(run.firstStart)) span += 1440;
        double pause = static_cast<double>(HoursFromMinutes(span)) - run.hours;
        if (pause < 0.0) pause = 0.0;
        row[3] = PaddedDecimal(run.hours, 7, 2);
        row[4] = PaddedDecimal(pause, 7, 2);
        if (hm) {
            row[3] = HoursMinutesText(" %2d:%02d", std::atof(row[3].c_str()));
            row[4] = HoursMinutesText(" %2d:%02d", std::atof(row[4].c_str()));
        }
        row[5] = run.starts;
    }
    table.showEnd = options.settings.dailyViewAtEnd == 1;
    return table;
}

}  // namespace kestrowa
