#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/Profile.h"
#include "viewer/ViewerSettings.h"

namespace kestrowa {

// The viewer reads the log through a 200-byte buffer, as the recorder does: longer lines
// arrive in pieces.
inline constexpr size_t kViewerLineBuffer = 200;
inline constexpr size_t kViewerSessionLimit = 300;
inline constexpr int kViewerDayCounterLimit = 31;

// Weekday of the 1st (0 = Sunday .. 6 = Saturday) and length of a month, Gregorian.
struct MonthShapeResult {
    int firstWeekday = 0;
    int days = 0;
};
MonthShapeResult MonthShape(int year, int month);

// Hours written through a format with two %d conversions: the whole hours and the truncated
// minutes of the rest. Every h:mm text of the viewer comes from here.
std::string HoursMinutesText(const char* format, float hours);
// The same for hours kept in double precision: a value read back from its text with atof, or a
// sum of such values. Split in single precision they would lose a minute now and then (2.35
// hours would show 2:20).
std::string HoursMinutesText(const char* format, double hours);

// One paired session: start and end texts "yy/mm/dd hh:mm" (the log line from column 2 on) and
// the running hours as "%6.02f".
struct SessionEntry {
    std::string start;
    std::string end;
    std::string hours;
};

// One day with starts: its date "yy/mm/dd", the summed hours ("%6.02f" below 10, else
// "%5.02f") and the number of starts ("%4d").
struct DayEntry {
    std::string date;
    std::string hours;
    std::string starts;
};

// The shown month as read from the log, with every text the views and summary boxes show.
struct MonthModel {
    int year = 0;
    int month = 0;
    int firstWeekday = 0;
    int daysInMonth = 0;
    std::vector<SessionEntry> sessions;  // at most kViewerSessionLimit, in log order
    bool hasLines = false;               // whether the log holds a line of the month
    int64_t totalMinutes = 0;
    // Distinct start dates (counted as the log changes date between starts), 1 for an empty
    // month; the calendar's weekly summary may correct it.
    int dayCounter = 1;
    std::string dayCounterText = "1";
    std::vector<std::string> startsPerDay;  // "%4d" per run of sessions with one start date
    std::vector<DayEntry> days;             // the same runs with their dates and hours
    std::string totalHm;                    // "%d:%02d"
    std::string totalDecimal;               // "%.02f"
    std::string averagePerStartHm;          // " %0d:%02d /回"
    std::string averagePerStartDecimal;     // "%5.02f /回"
    std::string averagePerDayHm;            // " %0d:%02d /日"
    std::string averagePerDayDecimal;       // "%5.02f /日"
    std::string totalText;                  // the total in the current time display
    std::string averageText;                // the average per start in the current time display
};

// Sets the total and average texts for a time display (TimeMode).
void ApplyTimeMode(MonthModel& model, int timeMode);

// The viewer's start moment as an end line, "E yy/mm/dd hh:mm", which closes the running
// session of the own log; and as the caption " (yyyy/mm/dd hh:mm 現在)".
std::string NowLine(const DateTime& now);
std::string NowCaption(const DateTime& now);

// The recorder's application folder (AppDir, with its trailing backslash) from the recorder's
// profile; "" when it was never written.
std::string ApplicationFolder(const Profile& recorderProfile);
// The main window's title for the log being shown.
std::string WindowTitle(std::string_view secondLog, std::string_view nowCaption);

// What ReadMonth reads: the file, whether it is the own log (whose running session is closed at
// the now line) and the now line.
struct LogRead {
    std::string path;
    bool ownLog = true;
    std::string nowLine;
};

// Reads the sessions of one month into a fresh model. False, with the model untouched, when the
// log cannot be opened.
bool ReadMonth(const LogRead& log, int year, int month, int timeMode, MonthModel& model);

// The month without sessions, with every text as ReadMonth gives it for a month with no lines:
// what the main window shows when the log cannot be read at its start.
MonthModel EmptyMonth(int year, int month, int timeMode);

// Characters 7-8 of a "yy/mm/dd" date: the day of the month.
int DayNumber(std::string_view dateText);

// The runs of consecutive sessions that start on one date, as [first, last) indexes: the days of
// the day list, the starts per day and the rows of the daily view. The log is taken to be in
// time order, so a date met again later starts a run of its own.
struct SessionRun {
    size_t first = 0;
    size_t last = 0;
};
std::vector<SessionRun> StartDateRuns(const std::vector<SessionEntry>& sessions);

}  // namespace kestrowa
