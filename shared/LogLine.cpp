#include "shared/LogLine.h"

#include <algorithm>

#include "shared/Strings.h"

namespace kestrowa {

namespace {
std::string FullLine(char tag, const DateTime& t) {
    return Format("%c %d/%02d/%02d %02d:%02d", tag, t.year, t.month, t.day, t.hour, t.minute);
}
}  // namespace

std::string TwoDigitYear(int year) { return std::string(Columns(PaddedInteger(year, 4), 2, 2)); }

int DaysInMonth(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kLengths[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool HasLogDate(std::string_view line) {
    if (line.size() < 10 || line[4] != '/' || line[7] != '/') return false;
    auto digit = [&line](size_t i) { return line[i] >= '0' && line[i] <= '9'; };
    if (!digit(2) || !digit(3) || !digit(5) || !digit(6) || !digit(8) || !digit(9)) return false;
    const char* p = line.data();
    return DateExists(DigitPair(p + 2), DigitPair(p + 5), DigitPair(p + 8));
}

bool HasLogTime(std::string_view line) { return IsTimeOfDay(TwoColumns(line, 11), TwoColumns(line, 14)); }

bool IsSessionLine(std::string_view line) {
    return HasLogDate(line) && HasLogTime(line) && line.find('\0') == std::string_view::npos;
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

// yy/mm/dd of the end against that of the start. Two-digit years are taken as the nearer of
// the two centuries, so 99/12/31 -> 00/01/01 goes forward.
void ParseShortLine(std::string_view line, LogStamp& stamp) {
    stamp.tag = line.empty() ? '\0' : line[0];
    const std::string_view date = Columns(line, 2, stamp.dateColumns.size());
    stamp.dateColumns.fill('\0');
    std::copy(date.begin(), date.end(), stamp.dateColumns.begin());
    stamp.dateSize = static_cast<std::uint8_t>(date.size());
    stamp.minutes = TwoColumns(line, 11) * 60 + TwoColumns(line, 14);
}

int TwoColumnsAsText(std::string_view line, size_t at) { return ToInt(Columns(line, at, 2)); }

bool DateBefore(const LogStamp& endStamp, const LogStamp& startStamp) {
    const std::string_view end = endStamp.Date();
    const std::string_view start = startStamp.Date();
    if (end.size() < 2 || start.size() < 2) return false;
    int years = (ToInt(Columns(end, 0, 2)) - ToInt(Columns(start, 0, 2)) + 100) % 100;
    if (years != 0) return years >= 50;
    return end.substr(2) < start.substr(2);
}

}  // namespace kestrowa
