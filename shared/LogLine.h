#pragma once
#include <string>
#include <string_view>

#include "platform/Clock.h"

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

// Whether columns 2-9 hold a date yy/mm/dd that exists (29 February in a year divisible by
// four). A line without one is no session line: every reader skips it.
bool HasLogDate(std::string_view fileLine);

// What a reader takes from a file line: the tag (column 0), the date yy/mm/dd (columns 2-9) and
// the time of day in minutes from columns 11-12 and 14-15 (a non-number counts as 0).
struct LogStamp {
    char tag = '\0';
    std::string date;
    int minutes = 0;
};
LogStamp ParseLogLine(std::string_view fileLine);

// Length in minutes of the session that starts at `start` and ends at `end`: the difference of
// the times of day, plus 1440 once when the end carries a later date (however many days lie
// between). An end dated before its start (a stale heartbeat used as the end) gives no length.
// Only a result above zero is a session; every reader of the log pairs lines through this.
int SessionMinutes(const LogStamp& start, const LogStamp& end);

}  // namespace kestrowa
