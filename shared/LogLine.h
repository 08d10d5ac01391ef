#pragma once
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "shared/Strings.h"

namespace kestrowa {

// A log line in its full form has a four-digit year, "S 2011/05/03 08:15" (18 characters);
// that form is kept in the registry. The file carries it without the century digits,
// "S 11/05/03 08:15" (16 characters), followed by CR LF.
std::string FullStartLine(const DateTime& t);
std::string FullEndLine(const DateTime& t);
// A moment as the recorder shows it, "2011/05/03 08:15:40".
std::string DateTimeText(const DateTime& t);
// The file form of a full-form text: its first two characters and everything from the fifth on.
std::string FileLine(std::string_view fullLine);

// The two year digits a line carries for a year: characters 3-4 of the year written with "%4d"
// (2009 gives "09").
std::string TwoDigitYear(int year);

// Length of a month of the Gregorian calendar.
int DaysInMonth(int year, int month);

// The value of the two digits from `p`.
inline int DigitPair(const char* p) { return (p[0] - '0') * 10 + (p[1] - '0'); }

// Whether a two-digit year, a month and a day make a date that exists (29 February in a year
// divisible by four). Of the two centuries a two-digit year may stand for, 2000 is the one with
// a 29 February.
inline bool DateExists(int yy, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && (day <= 28 || day <= DaysInMonth(2000 + yy, month));
}

// Whether columns 2-9 hold a date yy/mm/dd that exists (DateExists). A line without one is no
// session line: every reader skips it.
bool HasLogDate(std::string_view line);

// What a reader takes from a file line: the tag (column 0), the date yy/mm/dd (columns 2-9) and
// the time of day in minutes from columns 11-12 and 14-15 (a non-number counts as 0).
struct LogStamp {
    std::array<char, 8> dateColumns{};  // as many as the line has; the rest stay zero
    int minutes = 0;
    std::uint8_t dateSize = 0;
    char tag = '\0';
    std::string_view Date() const { return {dateColumns.data(), dateSize}; }
};

// The integer value of the two columns from `at`; two digits, as nearly every line has them,
// are read directly.
int TwoColumnsAsText(std::string_view line, size_t at);
inline int TwoColumns(std::string_view line, size_t at) {
    if (at + 1 < line.size() && line[at] >= '0' && line[at] <= '9' && line[at + 1] >= '0' && line[at + 1] <= '9')
        return DigitPair(line.data() + at);
    return TwoColumnsAsText(line, at);
}

// Whether an hour and a minute are a time of the day, 00:00 to 23:59.
inline bool IsTimeOfDay(int hour, int minute) { return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59; }

// Whether columns 11-15 hold a time of the day, read as every reader reads the time: the integer
// values of columns 11-12 and 14-15 (see TwoColumns). A line without one ("99:99", "25:10",
// "-1:-1") is no session line.
bool HasLogTime(std::string_view line);

// The one test of a line that may take part in a session: a date that exists (HasLogDate), a
// time of the day (HasLogTime) and no NUL byte, which no editor writes into a text line and
// which would end the line early for any program that reads it as a C string.
bool IsSessionLine(std::string_view line);

// IsSessionLine for the lines of one read in order, told whether each has the recorder's form
// (see IsRecorderLine). The separators and digits of such a line stand where the two tests look
// and it holds no NUL byte, so only the ranges of its figures are left to check; and as most
// lines carry the date of the line before, its date is looked at only when its columns differ
// from those of the last such line whose date exists. Inline, as every read asks it of every line.
class SessionLineTest {
public:
    bool operator()(std::string_view line, bool recorderForm) {
        if (!recorderForm) return IsSessionLine(line);
        std::uint64_t date;
        std::memcpy(&date, line.data() + 2, sizeof date);
        const char* p = line.data();
        if (date != knownDate_) {
            if (!DateExists(DigitPair(p + 2), DigitPair(p + 5), DigitPair(p + 8))) return false;
            knownDate_ = date;
        }
        return IsTimeOfDay(DigitPair(p + 11), DigitPair(p + 14));
    }

private:
    std::uint64_t knownDate_ = 0;  // no line of the recorder's form has NUL bytes in its date
};

// The stamp of a line too short for a whole date.
void ParseShortLine(std::string_view line, LogStamp& stamp);

// Fills `stamp` field by field: the scanner reads every line into stamps it keeps. The time of a
// line known to have the recorder's form (`recorderForm`) stands in digits.
inline void ParseLogLine(std::string_view line, LogStamp& stamp, bool recorderForm = false) {
    if (line.size() < 2 + stamp.dateColumns.size()) return ParseShortLine(line, stamp);
    stamp.tag = line[0];
    std::memcpy(stamp.dateColumns.data(), line.data() + 2, stamp.dateColumns.size());
    stamp.dateSize = static_cast<std::uint8_t>(stamp.dateColumns.size());
    stamp.minutes = recorderForm ? DigitPair(line.data() + 11) * 60 + DigitPair(line.data() + 14)
                                 : TwoColumns(line, 11) * 60 + TwoColumns(line, 14);
}

inline LogStamp ParseLogLine(std::string_view line) {
    LogStamp stamp;
    ParseLogLine(line, stamp);
    return stamp;
}

// Whether two stamps carry the same date; the columns are compared as one number.
inline bool SameDate(const LogStamp& a, const LogStamp& b) {
    std::uint64_t x, y;
    std::memcpy(&x, a.dateColumns.data(), sizeof x);
    std::memcpy(&y, b.dateColumns.data(), sizeof y);
    return a.dateSize == b.dateSize && x == y;
}

// Whether the end's date lies before the start's (two different dates).
bool DateBefore(const LogStamp& end, const LogStamp& start);

// Length in minutes of the session that starts at `start` and ends at `end`: the difference of
// the times of day, plus 1440 once when the end carries a later date (however many days lie
// between). An end dated before its start (a stale heartbeat used as the end) gives no length.
// Only a result above zero is a session; every reader of the log pairs lines through this.
inline int SessionMinutes(const LogStamp& start, const LogStamp& end) {
    const int minutes = end.minutes - start.minutes;
    if (SameDate(end, start)) return minutes;
    if (DateBefore(end, start)) return 0;
    return minutes + 1440;
}

}  // namespace kestrowa
