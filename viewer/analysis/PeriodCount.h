#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shared/Table.h"

namespace kestrowa {

// The period view counts a period day by day or month by month.
enum class PeriodMode { Daily = 0, Monthly = 1 };

inline constexpr int kMaxPeriodDays = 370;
inline constexpr int kMaxPeriodMonths = 120;

// The six period edits in their order on the dialog: start year, month, day, last year, month,
// day. A month-by-month period leaves the two day texts aside.
enum PeriodField : size_t { kStartYear, kStartMonth, kStartDay, kLastYear, kLastMonth, kLastDay };
using PeriodTexts = std::array<std::string, 6>;

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Day of the year (1 January is 1), Gregorian. A month outside 1..12 counts as the nearest of
// them (13 as December), a day is added as it stands, however large.
std::int64_t DayOfYear(int year, int month, int day);

// A period as numbers: the edits' integer values, months brought into 1..12.
struct Period {
    PeriodMode mode = PeriodMode::Daily;
    CalendarDate start;
    CalendarDate last;
};
Period PeriodOf(PeriodMode mode, const PeriodTexts& texts);
// Days (counted on the calendar, across any number of year ends) or months from the start to
// the last, both included; zero or less when the last lies before the start.
std::int64_t PeriodLength(const Period& period);
// Fewer than 18 days or months: the list's columns are drawn 2 pixels wider.
bool IsShortPeriod(const Period& period);

// The date of the log's first line that carries one (a two-digit year below 80 is of the 2000s);
// nullopt when the log cannot be opened or holds no such line.
std::optional<CalendarDate> ScanEarliestDate(const std::string& logPath);

// A start before the log's first date moves onto it: in Daily a start year before the log's
// becomes its first date, and within its first year a day before the first day moves to it and
// a month before the first month to that month (a later day is kept); in Monthly the year and
// month alike. Each field moved is written as "%d" into the edits and into the remembered
// period of the kind.
void ClampToEarliest(PeriodMode mode, const CalendarDate& earliest, PeriodTexts& edits, PeriodTexts& remembered);

// "" when every field the kind needs is filled in, else the message that asks for them.
std::string MissingFieldsMessage(PeriodMode mode, const PeriodTexts& edits);

// Whether a period can be counted, and the text of the length label (1057). A last date before
// the start moves to the month after the start month (the day kept), rolling into January of
// the next year after December, and the label is blanked; a period above the kind's limit is
// refused with a message.
struct PeriodCheck {
    bool go = false;
    std::string message;
    std::string lengthLabel;
};
PeriodCheck CheckPeriod(PeriodMode mode, PeriodTexts& edits);

// One day with starts: the number of its sessions ("%4d"), the start of its first session
// ("yy/mm/dd hh:mm") and its hours ("%7.02f", the sum of each session's "%6.02f" hours).
struct DayRow {
    std::string starts;
    std::string firstStart;
    std::string hours;
};
// The sessions that start within a daily period, grouped by start date in log order; nullopt
// when the log cannot be opened.
std::optional<std::vector<DayRow>> CountDays(const std::string& logPath, const Period& period);

// One calendar month of a monthly period: whether the log has lines of it, and its counted
// minutes and sessions.
struct MonthTally {
    int year = 0;
    int month = 0;
    bool hasLines = false;
    std::int64_t minutes = 0;
    int starts = 0;
};
// Every month from the period's start month up to the last month the log has reached (the last
// month of the period at most); nullopt when the log cannot be opened.
std::optional<std::vector<MonthTally>> CountMonths(const std::string& logPath, const Period& period);

// The summary boxes: 累計時間 (1049), 日数/月数 (1050), 回数 (1051) and the two averages (1052,
// 1053), which are written only when there is something to divide by.
struct PeriodSummary {
    std::string total;
    std::string rows;
    std::string starts;
    std::optional<std::string> perRow;
    std::optional<std::string> perStart;
};

struct PeriodTable {
    Table table;
    PeriodSummary summary;
};

struct PeriodTableOptions {
    int timeMode = 0;          // TimeMode: 0 hours and minutes, any other value decimal hours
    bool scrollToEnd = true;   // PeriodLastPosition is 1
    bool shortPeriod = false;  // fewer than 18 days or months: every column 2 pixels wider
};
PeriodTable FillDayTable(const std::vector<DayRow>& rows, const PeriodTableOptions& options);
PeriodTable FillMonthTable(const std::vector<MonthTally>& months, const PeriodTableOptions& options);

}  // namespace kestrowa
