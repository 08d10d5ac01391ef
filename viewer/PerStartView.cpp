#include <cstdlib>

#include "shared/Strings.h"
#include "viewer/Views.h"

namespace kestrowa {

namespace {
// Stands in for a date that the row above already shows.
constexpr const char* kDateBlank = "             ";
}  // namespace

Table BuildPerStartView(const MonthModel& model, const ViewOptions& options) {
    Table table;
    table.columns = {{"No.", 60}, {"起動時刻", 134}, {"終了時刻", 134}, {"稼働時間", 94}, {" 回 ", 55}};
    const bool marking = options.perStartDates == 1;
    const bool hm = options.settings.timeMode == kTimeHoursMinutes;
    const std::vector<SessionRun> runs = StartDateRuns(model.sessions);
    for (size_t k = 0; k < runs.size(); ++k) {
        const int dayStarts = k < model.startsPerDay.size() ? ToInt(model.startsPerDay[k]) : 0;
        for (size_t i = runs[k].first; i < runs[k].last; ++i) {
            const SessionEntry& s = model.sessions[i];
            const bool firstOfDay = i == runs[k].first;
            std::vector<std::string>& row = table.AddRow();
            row[0] = Format("No.%3d", static_cast<int>(i + 1));
            row[1] = marking && !firstOfDay ? kDateBlank + std::string(Columns(s.start, 8, std::string::npos)) : s.start;
            row[2] = marking && Columns(s.end, 0, 8) == Columns(s.start, 0, 8)
                         ? kDateBlank + std::string(Columns(s.end, 8, std::string::npos))
                         : s.end;
            row[3] = hm ? HoursMinutesText(" %2d:%02d", std::atof(s.hours.c_str())) : s.hours;
            row[4] = Format(" %2d/%2d", static_cast<int>(i - runs[k].first + 1), dayStarts);
        }
    }
    table.showEnd = options.settings.perStartViewAtEnd == 1;
    return table;
}

}  // namespace kestrowa
