#include "viewer/analysis/PeriodCount.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "shared/Hours.h"
#include "shared/LogLine.h"
#include "shared/SessionLog.h"
#include "shared/SessionScanner.h"
#include "shared/Strings.h"
#include "viewer/MonthModel.h"

namespace kestrowa {

namespace {

constexpr const char* kLengthBlank = "           ";
constexpr const char* kNoAverage = "   -   ";
constexpr int kShortExtraWidth = 2;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days from a fixed origin, so that dates of any two years can be subtracted.
std::int64_t DayNumber(const CalendarDate& d) {
    const std::int64_t before = static_cast<std::int64_t>(d.year) - 1;
    return before * 365 + FloorDiv(before, 4) - FloorDiv(before, 100) + FloorDiv(before, 400) +
           DayOfYear(d.year, d.month, d.day);
}

std::int64_t MonthNumber(int year, int month) { return static_cast<std::int64_t>(year) * 12 + month - 1; }

// The date a log line carries, yy/mm/dd from column 2. Only lines with a valid date (HasLogDate)
// come here, so the columns are digits.
CalendarDate LineDate(std::string_view line) {
    auto number = [&line](size_t at) { return (line[at] - '0') * 10 + (line[at + 1] - '0'); };
    return {FullYear(number(2)), number(5), number(8)};
}

std::int64_t MonthNumber(const CalendarDate& d) { return MonthNumber(d.year, d.month); }

// "yy/mm" of a dated line as a number, put together in registers: a key for the caches of the
// readers below, as most lines share their month with the line before.
std::uint64_t MonthColumns(std::string_view line) {
    std::uint32_t head;
    std::memcpy(&head, line.data() + 2, sizeof head);
    return head | std::uint64_t{static_cast<unsigned char>(line[6])} << 32;
}

// Where a line stands against a period: before it (skipped), in it (paired) or after it (the
// read stops), by its day number when `daily`, else by its month number. The fate depends on the
// date columns alone, which most lines share with the line before, and a line's number is that
// of its month's day 0 and its day.
class PeriodFate {
public:
    PeriodFate(std::int64_t first, std::int64_t last, bool daily) : first_(first), last_(last), daily_(daily) {}

    // Of a line with a valid date.
    LineFate operator()(std::string_view line) {
        std::uint64_t date;
        std::memcpy(&date, line.data() + 2, sizeof date);
        if (date == date_) return fate_;
        date_ = date;
        const std::uint64_t month = MonthColumns(line);
        if (month != month_) {
            month_ = month;
            const CalendarDate d = LineDate(line);
            monthBase_ = daily_ ? DayNumber({d.year, d.month, 0}) : MonthNumber(d);
        }
        const std::int64_t n = monthBase_ + (daily_ ? (line[8] - '0') * 10 + (line[9] - '0') : 0);
        fate_ = n < first_ ? LineFate::Skip : n <= last_ ? LineFate::Pair : LineFate::Stop;
        return fate_;
    }

private:
    std::int64_t first_, last_;
    bool daily_;
    std::uint64_t date_ = 0;  // no valid date has these columns
    std::uint64_t month_ = 0;
    std::int64_t monthBase_ = 0;
    LineFate fate_ = LineFate::Skip;
};

// How a count reads the log: lines dated before the period are passed over, the first line
// after it ends the read and, when it is an end line, closes the session still open;
// `passedPeriod`, when given, tells whether the read got beyond the period.
ScanOptions PeriodScan(std::int64_t first, std::int64_t last, bool daily, bool* passedPeriod = nullptr) {
    ScanOptions options;
    options.lineBuffer = kViewerLineBuffer;
    options.stopLineCloses = true;
    options.filter = [fate = PeriodFate(first, last, daily), passedPeriod](std::string_view line) mutable {
        const LineFate f = fate(line);
        if (f == LineFate::Stop && passedPeriod) *passedPeriod = true;
        return f;
    };
    options.passOver = [fate = PeriodFate(first, last, daily)](std::string_view ahead) mutable {
        return SkippedLines(ahead, kViewerLineBuffer - 1, [&](std::string_view line) { return fate(line) == LineFate::Skip; });
    };
    return options;
}

// The sessions of a daily period grouped by start date, consecutive in the log.
class DayCounter final : public SessionReader {
public:
    void Session(const ScannedSession& session) override {
        const std::string_view start = Columns(session.startLine, 2, std::string_view::npos);
        if (rows_.empty() || Columns(start, 0, 8) != Columns(rows_.back().firstStart, 0, 8)) {
            Finish();
            rows_.push_back({"", std::string(start), ""});
        }
        // Each session's hours as its text shows them, as the per-session views do.
        hours_ += ShownHours(HoursFromMinutes(session.minutes));
        ++starts_;
    }

    std::vector<DayRow> Rows() {
        Finish();
        return std::move(rows_);
    }

private:
    void Finish() {
        if (rows_.empty()) return;
        rows_.back().starts = PaddedInteger(starts_, 4);
        rows_.back().hours = PaddedDecimal(hours_, 7, 2);
        hours_ = 0.0;
        starts_ = 0;
    }

    std::vector<DayRow> rows_;
    double hours_ = 0.0;
    int starts_ = 0;
};

// The sessions of a monthly period by the month they start in, and the months the log has lines
// of: a line read while a session of an earlier month is open belongs to that month.
class MonthCounter final : public SessionReader {
public:
    explicit MonthCounter(std::int64_t first) : first_(first) {}

    void Line(std::string_view line, bool sessionOpen) override {
        if (MonthColumns(line) != lineColumns_) {
            lineColumns_ = MonthColumns(line);
            lineMonth_ = MonthNumber(LineDate(line));
        }
        TallyUpTo(lineMonth_).hasLines |= !sessionOpen || lineMonth_ == sessionMonth_;
    }
    // Told right after Line for the same line.
    void Start(std::string_view) override { sessionMonth_ = lineMonth_; }
    // The session's start is the start line told last.
    void Session(const ScannedSession& session) override {
        MonthTally& month = TallyUpTo(sessionMonth_);
        month.minutes += session.minutes;
        ++month.starts;
    }

    // The tally of a month, with those of every month from the first up to it.
    MonthTally& TallyUpTo(std::int64_t number) {
        while (first_ + static_cast<std::int64_t>(months_.size()) <= number) {
            const std::int64_t n = first_ + static_cast<std::int64_t>(months_.size());
            const int year = static_cast<int>(FloorDiv(n, 12));
            months_.push_back({year, static_cast<int>(n - std::int64_t{year} * 12 + 1)});
        }
        return months_[static_cast<size_t>(number - first_)];
    }
    std::vector<MonthTally> Months() { return std::move(months_); }

private:
    std::int64_t first_;
    std::uint64_t lineColumns_ = 0;  // of the last line told, and its month number
    std::int64_t lineMonth_ = 0;
    std::int64_t sessionMonth_ = 0;
    std::vector<MonthTally> months_;
};

// Takes no session: a read for the lines alone.
class NoSessions final : public SessionReader {
public:
    void Session(const ScannedSession&) override {}
};

std::vector<TableColumn> WidenedColumns(std::vector<TableColumn> columns, bool shortPeriod) {
    if (shortPeriod)
        for (TableColumn& c : columns) c.width += kShortExtraWidth;
    return columns;
}

// "yy/mm" of a month: the year within its century (1900s or 2000s).
std::string MonthKey(int year, int month) { return Format("%02d/%02d", year >= 2000 ? year - 2000 : year - 1900, month); }

}  // namespace

std::int64_t DayOfYear(int year, int month, int day) {
    static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    month = std::clamp(month, 1, 12);
    return kDaysBefore[month - 1] + (month > 2 && DaysInMonth(year, 2) == 29 ? 1 : 0) + std::int64_t{day};
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
    std::optional<CalendarDate> earliest;
    ScanOptions options;
    options.lineBuffer = kViewerLineBuffer;
    // The first line with a date is the first the filter sees.
    options.filter = [&earliest](std::string_view line) {
        earliest = LineDate(line);
        return LineFate::Stop;
    };
    NoSessions reader;
    if (!ScanLog(logPath, options, reader)) return std::nullopt;
    return earliest;
}

void ClampToEarliest(PeriodMode mode, const CalendarDate& earliest, PeriodTexts& edits, PeriodTexts& remembered) {
    const int y = ToInt(edits[kStartYear]);
    const int m = ToInt(edits[kStartMonth]);
    const int d = ToInt(edits[kStartDay]);
    auto set = [&](PeriodField field, int value) { remembered[field] = edits[field] = PaddedInteger(value, 0); };
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
    edits[kLastYear] = PaddedInteger(static_cast<long long>(period.start.year) + (december ? 1 : 0), 0);
    edits[kLastMonth] = PaddedInteger(december ? 1 : period.start.month + 1, 0);
    return {true, "", kLengthBlank};
}

std::optional<std::vector<DayRow>> CountDays(const std::string& logPath, const Period& period) {
    const ScanOptions options = PeriodScan(DayNumber(period.start), DayNumber(period.last), true);
    DayCounter counter;
    if (!ScanLog(logPath, options, counter)) return std::nullopt;
    return counter.Rows();
}

std::optional<std::vector<MonthTally>> CountMonths(const std::string& logPath, const Period& period) {
    const std::int64_t last = MonthNumber(period.last);
    bool passed = false;
    const ScanOptions options = PeriodScan(MonthNumber(period.start), last, false, &passed);
    MonthCounter counter(MonthNumber(period.start));
    if (!ScanLog(logPath, options, counter)) return std::nullopt;
    // A line after the period shows that every month of it is over.
    if (passed) counter.TallyUpTo(last);
    return counter.Months();
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
        else row[2] = decimal ? PaddedDecimal(hours / count, 6, 2) : HoursMinutesText(" %2d:%02d", hours / count);
        row[3] = day.starts;
        row[4] = decimal ? PaddedDecimal(total, 7, 2) : HoursMinutesText(" %2d:%02d", total);
        row[5] = PaddedInteger(starts, 4);
        row[6] = PaddedInteger(static_cast<int>(r + 1), 3);
    }
    table.showEnd = options.scrollToEnd;

    PeriodSummary& s = result.summary;
    s.total = decimal ? PaddedDecimal(total, 0, 2) : HoursMinutesText("%2d:%02d", total);
    s.rows = PaddedInteger(static_cast<int>(rows.size()), 3);
    s.starts = PaddedInteger(starts, 4);
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
        row[6] = PaddedInteger(static_cast<int>(r + 1), 3);
        if (!month.hasLines) {
            row[1] = "  0.00";
            continue;
        }
        const float hours = static_cast<float>(month.minutes) * kHoursPerMinute;
        total += hours;
        starts += month.starts;
        row[1] = decimal ? PaddedDecimal(hours, 8, 2) : HoursMinutesText(" %2d:%02d", hours);
        const float average = month.starts != 0 ? hours / static_cast<float>(month.starts) : 0.0f;
        if (month.starts == 0) row[2] = kNoAverage;
        else row[2] = decimal ? PaddedDecimal(average, 8, 2) : HoursMinutesText(" %2d:%02d", average);
        row[3] = PaddedInteger(month.starts, 5);
        row[4] = PaddedDecimal(total * kDaysPerHour, 7, 2);
        row[5] = PaddedInteger(starts, 5);
    }
    table.showEnd = options.scrollToEnd;

    PeriodSummary& s = result.summary;
    s.total = decimal ? PaddedDecimal(total, 0, 2) : HoursMinutesText(" %2d:%02d", total);
    s.rows = PaddedInteger(static_cast<int>(months.size()), 3);
    s.starts = PaddedInteger(starts, 4);
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
