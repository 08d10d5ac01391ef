#include "shared/LogLine.h"

#include "shared/Strings.h"

namespace kestrowa {

namespace {
std::string FullLine(char tag, const DateTime& t) {
    return Format("%c %d/%02d/%02d %02d:%02d", tag, t.year, t.month, t.day, t.hour, t.minute);
}

// yy/mm/dd of the end against that of the start. Two-digit years are taken as the nearer of
// the two centuries, so 99/12/31 -> 00/01/01 goes forward.
bool DateBefore(std::string_view end, std::string_view start) {
    int years = (ToInt(Columns(end, 0, 2)) - ToInt(Columns(start, 0, 2)) + 100) % 100;
    if (years != 0) return years >= 50;
    return end.substr(2) < start.substr(2);
}
}  // namespace

std::string TwoDigitYear(int year) { return std::string(Columns(Format("%4d", year), 2, 2)); }

int DaysInMonth(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kLengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool HasLogDate(std::string_view line) {
    if (line.size() < 10 || line[4] != '/' || line[7] != '/') return false;
    auto digit = [&line](size_t i) { return line[i] >= '0' && line[i] <= '9'; };
    if (!digit(2) || !digit(3) || !digit(5) || !digit(6) || !digit(8) || !digit(9)) return false;
    auto number = [&line](size_t i) { return (line[i] - '0') * 10 + (line[i + 1] - '0'); };
    const int month = number(5);
    const int day = number(8);
    // Of the two centuries a two-digit year may stand for, 2000 is the one with a 29 February.
    return month >= 1 && month <= 12 && day >= 1 && (day <= 28 || day <= DaysInMonth(2000 + number(2), month));
}

std::string FullStartLine(const DateTime& t) { return FullLine('S', t); }
std::string FullEndLine(const DateTime& t) { return FullLine('E', t); }

std::string DateTimeText(const DateTime& t) {
    return Format("%d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::string FileLine(std::string_view fullLine) {
    std::string line(Columns(fullLine, 0, 2));
    line += Columns(fullLine, 4, std::string_view::npos);
    return line;
}

namespace {
// The integer value of the two columns from `at`; two digits, as nearly every line has them,
// are read directly.
int TwoColumns(std::string_view line, size_t at) {
    if (at + 1 < line.size() && line[at] >= '0' && line[at] <= '9' && line[at + 1] >= '0' && line[at + 1] <= '9')
        return (line[at] - '0') * 10 + (line[at + 1] - '0');
    return ToInt(Columns(line, at, 2));
}
}  // namespace

LogStamp ParseLogLine(std::string_view line) {
    LogStamp stamp;
    stamp.tag = line.empty() ? '\0' : line[0];
    stamp.date.assign(Columns(line, 2, 8));
    stamp.minutes = TwoColumns(line, 11) * 60 + TwoColumns(line, 14);
    return stamp;
}

int SessionMinutes(const LogStamp& start, const LogStamp& end) {
    int minutes = end.minutes - start.minutes;
    if (end.date == start.date) return minutes;
    if (end.date.size() >= 2 && start.date.size() >= 2 && DateBefore(end.date, start.date)) return 0;
    return minutes + 1440;
}

}  // namespace kestrowa
