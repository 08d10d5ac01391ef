#include "viewer/analysis/PeriodCount.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "platform/File.h"
#include "shared/Hours.h"
#include "shared/LineReader.h"
#include "shared/LogLine.h"
#include "shared/Strings.h"
#include "viewer/MonthModel.h"

namespace kestrowa {

namespace {

constexpr const char* kLengthBlank = "           ";
constexpr const char* kNoAverage = "   -   ";
constexpr int kShortExtraWidth = 2;
constexpr int kScrollPerRow = 14;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days from a fixed origin, so that dates of any two years can be subtracted.
std::int64_t DayNumber(const CalendarDate& d) {
    const std::int64_t before = static_cast<std::int64_t>(d.year) - 1;
    return before * 365 + FloorDiv(before, 4) - FloorDiv(before, 100) + FloorDiv(before, 400) +
           DayOfYear(d.year, d.month, d.day);
}

std::int64_t MonthNumber(int year, int month) { return static_cast<std::int64_t>(year) * 12 + month - 1; }

// The date a log line carries, yy/mm/dd from column 2.
CalendarDate LineDate(std::string_view line) {
    const int yy = ToInt(Columns(line, 2, 2));
    return {yy < 80 ? 2000 + yy : 1900 + yy, ToInt(Columns(line, 5, 2)), ToInt(Columns(line, 8, 2))};
}

bool ValidDate(const CalendarDate& d) { return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31; }

// The lines of a period: lines before it are passed over, the first line after it ends the
// reading (an end line closes the session still open), the rest are paired. `onLine` sees every
// line of the period with the month the session it closes started in; `onSession` each session
// with its start text and minutes.
struct PeriodScan {
    std::function<bool(const CalendarDate&)> before;
    std::function<bool(const CalendarDate&)> after;
    std::function<void(const CalendarDate& line, const CalendarDate* sessionStart)> onLine;
    std::function<void(const std::string& startText, int minutes)> onSession;
};

bool ScanPeriod(const std::string& logPath, const PeriodScan& scan) {
    FilePtr file = OpenFile(logPath, "rb");
    if (!file) return false;
    LineReader reader(file.get(), kViewerLineBuffer);
    std::string line;
    bool open = false;
    LogStamp start;
    CalendarDate startDate;
    std::string startText;
    auto close = [&](const LogStamp& end) {
        open = false;
        const int minutes = SessionMinutes(start, end);
        if (minutes > 0) scan.onSession(startText, minutes);
    };
    while (reader.Next(line)) {
        if (line.empty()) continue;
        const CalendarDate date = LineDate(line);
        if (!ValidDate(date) || scan.before(date)) continue;
        const LogStamp stamp = ParseLogLine(line);
        if (scan.after(date)) {
            if (open && stamp.tag == 'E') close(stamp);
            break;
        }
        if (scan.onLine) scan.onLine(date, open && stamp.tag == 'E' ? &startDate : nullptr);
        if (stamp.tag == 'S' && !open) {
            open = true;
            start = stamp;
            startDate = date;
            startText = std::string(Columns(line, 2, std::string_view::npos));
        } else if (stamp.tag == 'E' && open) {
            close(stamp);
        }
    }
    return true;
}

std::vector<TableColumn> WidenedColumns(std::vector<TableColumn> columns, bool shortPeriod) {
    if (shortPeriod)
        for (TableColumn& c : columns) c.width += kShortExtraWidth;
    return columns;
}

// "yy/mm" of a month: the year within its century (1900s or 2000s).
std::string MonthKey(int year, int month) { return Format("%02d/%02d", year >= 2000 ? year - 2000 : year - 1900, month); }

}  // namespace

int DayOfYear(int year, int month, int day) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    month = std::clamp(month, 1, 12);
    int days = day;
    for (int m = 1; m < month; ++m) days += kLengths[m - 1] + (m == 2 && IsLeapYear(year) ? 1 : 0);
    return days;
}

Period PeriodOf(PeriodMode mode, const PeriodTexts& t) {
    auto month = [](const std::string& text) { return std::clamp(ToInt(text), 1, 12); };
    Period p;
    p.mode = mode;
    p.start = {ToInt(t[kStartYear]), month(t[kStartMonth]), ToInt(t[kStartDay])};
    p.last = {ToInt(t[kLastYear]), month(t[kLastMonth]), ToInt(t[kLastDay])};
    return p;
}

std::int64_t PeriodLength(const Period& p) {
    if (p.mode == PeriodMode::Daily) return DayNumber(p.last) - DayNumber(p.start) + 1;
    return MonthNumber(p.last.year, p.last.month) - MonthNumber(p.start.year, p.start.month) + 1;
}

bool IsShortPeriod(const Period& period) { return PeriodLength(period) < 18; }

std::optional<CalendarDate> ScanEarliestDate(const std::string& logPath) {
    FilePtr file = OpenFile(logPath, "rb");
    if (!file) return std::nullopt;
    LineReader reader(file.get(), kViewerLineBuffer);
    std::string line;
    while (reader.Next(line))
        if (!line.empty()) return LineDate(line);
    return std::nullopt;
}

void ClampToEarliest(PeriodMode mode, const CalendarDate& earliest, PeriodTexts& edits, PeriodTexts& remembered) {
    const int y = ToInt(edits[kStartYear]);
    const int m = ToInt(edits[kStartMonth]);
    const int d = ToInt(edits[kStartDay]);
    auto set = [&](PeriodField field, int value) { remembered[field] = edits[field] = Format("%d", value); };
    if (y < earliest.year) {
        set(kStartYear, earliest.year);
        set(kStartMonth, earliest.month);
        if (mode == PeriodMode::Daily) set(kStartDay, earliest.day);
    } else if (y == earliest.year) {
        if (mode == PeriodMode::Daily && m <= earliest.month && d < earliest.day) set(kStartDay, earliest.day);
        if (m < earliest.month) set(kStartMonth, earliest.month);
    }
}

std::string MissingFieldsMessage(PeriodMode mode, const PeriodTexts& e) {
    bool complete = !e[kStartYear].empty() && !e[kStartMonth].empty() && !e[kLastYear].empty() && !e[kLastMonth].empty();
    if (mode == PeriodMode::Daily) complete = complete && !e[kStartDay].empty() && !e[kLastDay].empty();
    return complete ? "" : "期間の年月日が入力されていません！";
}

PeriodCheck CheckPeriod(PeriodMode mode, PeriodTexts& edits) {
    const bool daily = mode == PeriodMode::Daily;
    const Period period = PeriodOf(mode, edits);
    const std::int64_t length = PeriodLength(period);
    if (length > (daily ? kMaxPeriodDays : kMaxPeriodMonths))
        return {false, daily ? "期間が370日を超えています！" : "期間が120ヶ月を超えています！", kLengthBlank};
    if (length > 0)
        return {true, "", Format(daily ? "(%3d日間)" : "(%3dヶ月)", static_cast<int>(length))};
    // The last date before the start: the month after the start month instead.
    const bool december = period.start.month == 12;
    edits[kLastYear] = Format("%d", period.start.year + (december ? 1 : 0));
    edits[kLastMonth] = Format("%d", december ? 1 : period.start.month + 1);
    return {true, "", kLengthBlank};
}

std::optional<std::vector<DayRow>> CountDays(const std::string& logPath, const Period& period) {
    const std::int64_t first = DayNumber(period.start);
    const std::int64_t last = DayNumber(period.last);
    std::vector<DayRow> rows;
    double hours = 0.0;
    int starts = 0;
    auto finishRow = [&] {
        if (rows.empty()) return;
        rows.back().starts = Format("%4d", starts);
        rows.back().hours = Format("%7.02f", hours);
    };
    PeriodScan scan;
    scan.before = [&](const CalendarDate& d) { return DayNumber(d) < first; };
    scan.after = [&](const CalendarDate& d) { return DayNumber(d) > last; };
    scan.onSession = [&](const std::string& startText, int minutes) {
        if (rows.empty() || Columns(startText, 0, 8) != Columns(rows.back().firstStart, 0, 8)) {
            finishRow();
            rows.push_back({"", startText, ""});
            hours = 0.0;
            starts = 0;
        }
        // Each session's hours as its text shows them, as the per-session views do.
        hours += std::atof(Format("%6.02f", HoursFromMinutes(minutes)).c_str());
        ++starts;
    };
    if (!ScanPeriod(logPath, scan)) return std::nullopt;
    finishRow();
    return rows;
}

std::optional<std::vector<MonthTally>> CountMonths(const std::string& logPath, const Period& period) {
    const std::int64_t first = MonthNumber(period.start.year, period.start.month);
    const std::int64_t last = MonthNumber(period.last.year, period.last.month);
    std::vector<MonthTally> months;
    // Months up to `number` get their tallies.
    auto reach = [&](std::int64_t number) -> MonthTally& {
        while (first + static_cast<std::int64_t>(months.size()) <= number) {
            const std::int64_t n = first + static_cast<std::int64_t>(months.size());
            const int year = static_cast<int>(FloorDiv(n, 12));
            months.push_back({year, static_cast<int>(n - std::int64_t{year} * 12 + 1)});
        }
        return months[static_cast<size_t>(number - first)];
    };
    auto number = [](const CalendarDate& d) { return MonthNumber(d.year, d.month); };
    PeriodScan scan;
    scan.before = [&](const CalendarDate& d) { return number(d) < first; };
    scan.after = [&](const CalendarDate& d) {
        // A line after the period shows that every month of it is over.
        if (number(d) > last) reach(last);
        return number(d) > last;
    };
    scan.onLine = [&](const CalendarDate& d, const CalendarDate* sessionStart) {
        MonthTally& month = reach(number(d));
        // The end of a session from an earlier month belongs to that month.
        if (!sessionStart || number(*sessionStart) == number(d)) month.hasLines = true;
    };
    scan.onSession = [&](const std::string& startText, int minutes) {
        MonthTally& month = reach(number(LineDate("  " + startText)));
        month.minutes += minutes;
        ++month.starts;
    };
    if (!ScanPeriod(logPath, scan)) return std::nullopt;
    return months;
}

PeriodTable FillDayTable(const std::vector<DayRow>& rows, const PeriodTableOptions& options) {
    const bool decimal = options.timeMode != 0;
    PeriodTable result;
    Table& table = result.table;
    table.columns = WidenedColumns({{"月/日", 52}, {"稼動(h)", 65}, {"平均 h/回", 80}, {"起動回数", 75},
                             {"累計稼動(h)", 90}, {"累計回数", 72}, {"日数", 43}},
                            options.shortPeriod);
    double total = 0.0;
    int starts = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        const DayRow& day = rows[r];
        const double hours = std::atof(day.hours.c_str());
        const double count = std::atof(day.starts.c_str());
        total += hours;
        starts += ToInt(day.starts);
        std::vector<std::string>& row = table.AddRow();
        row[0] = std::string(Columns(day.firstStart, 3, 5));
        row[1] = decimal ? day.hours : HoursMinutesText(" %2d:%02d", hours);
        if (count == 0.0) row[2] = kNoAverage;
        else row[2] = decimal ? Format("%6.2f", hours / count) : HoursMinutesText(" %2d:%02d", hours / count);
        row[3] = day.starts;
        row[4] = decimal ? Format("%7.2f", total) : HoursMinutesText(" %2d:%02d", total);
        row[5] = Format("%4d", starts);
        row[6] = Format("%3d", static_cast<int>(r + 1));
    }
    if (options.scrollToEnd) table.scroll = kScrollPerRow * static_cast<int>(rows.size());

    PeriodSummary& s = result.summary;
    s.total = decimal ? Format("%0.2f", total) : HoursMinutesText("%2d:%02d", total);
    s.rows = Format("%3d", static_cast<int>(rows.size()));
    s.starts = Format("%4d", starts);
    if (!rows.empty()) {
        const double perDay = total / static_cast<double>(rows.size());
        s.perRow = decimal ? Format("%.02f h/日", perDay) : HoursMinutesText("%2d:%02d h/日", perDay);
    }
    if (starts != 0) {
        const double perStart = total / starts;
        s.perStart = decimal ? Format("%.02f h/回", perStart) : HoursMinutesText("%2d:%02d h/回", perStart);
    }
    return result;
}

PeriodTable FillMonthTable(const std::vector<MonthTally>& months, const PeriodTableOptions& options) {
    const bool decimal = options.timeMode != 0;
    PeriodTable result;
    Table& table = result.table;
    table.columns = WidenedColumns({{"年/月", 52}, {"稼動(h)", 65}, {"平均 h/回", 80}, {"起動回数", 75},
                             {"累計稼動(d)", 90}, {"累計回数", 72}, {"月数", 43}},
                            options.shortPeriod);
    float total = 0.0f;
    int starts = 0;
    for (size_t r = 0; r < months.size(); ++r) {
        const MonthTally& month = months[r];
        std::vector<std::string>& row = table.AddRow();
        row[0] = MonthKey(month.year, month.month);
        row[6] = Format("%3d", static_cast<int>(r + 1));
        if (!month.hasLines) {
            row[1] = "  0.00";
            continue;
        }
        const float hours = static_cast<float>(month.minutes) * kHoursPerMinute;
        total += hours;
        starts += month.starts;
        row[1] = decimal ? Format("%8.2f", hours) : HoursMinutesText(" %2d:%02d", hours);
        const float average = month.starts != 0 ? hours / static_cast<float>(month.starts) : 0.0f;
        if (month.starts == 0) row[2] = kNoAverage;
        else row[2] = decimal ? Format("%8.2f", average) : HoursMinutesText(" %2d:%02d", average);
        row[3] = Format("%5d", month.starts);
        row[4] = Format("%7.2f", total * kDaysPerHour);
        row[5] = Format("%5d", starts);
    }
    if (options.scrollToEnd) table.scroll = kScrollPerRow * static_cast<int>(months.size());

    PeriodSummary& s = result.summary;
    s.total = decimal ? Format("%0.2f", total) : HoursMinutesText(" %2d:%02d", total);
    s.rows = Format("%3d", static_cast<int>(months.size()));
    s.starts = Format("%4d", starts);
    if (!months.empty()) {
        const float perMonth = total / static_cast<float>(months.size());
        s.perRow = decimal ? Format("%.02fh/月", perMonth) : HoursMinutesText("%2d:%02dh/月", perMonth);
    }
    if (starts != 0) {
        const float perStart = total / static_cast<float>(starts);
        s.perStart = decimal ? Format("%.02f h/回", perStart) : HoursMinutesText("%2d:%02d h/回", perStart);
    }
    return result;
}

}  // namespace kestrowa
