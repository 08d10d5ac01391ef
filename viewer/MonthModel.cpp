#include "viewer/MonthModel.h"

#include <algorithm>
#include <cstdlib>

#include "platform/File.h"
#include "shared/Hours.h"
#include "shared/LineReader.h"
#include "shared/LogLine.h"
#include "shared/RecorderSettings.h"
#include "shared/SessionLog.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Characters 3-4 of the year written with "%4d".
std::string TwoDigitYear(int year) { return std::string(Columns(Format("%4d", year), 2, 2)); }

std::string_view DatePart(std::string_view text) { return Columns(text, 0, 8); }

bool Contains(std::string_view line, std::string_view part) { return line.find(part) != std::string_view::npos; }

// The model of a month before any line is read.
MonthModel StartMonth(int year, int month) {
    MonthModel m;
    m.year = year;
    m.month = month;
    MonthShapeResult shape = MonthShape(year, month);
    m.firstWeekday = shape.firstWeekday;
    m.daysInMonth = shape.days;
    return m;
}

// The totals, averages and per-day runs of the sessions read.
void FinishMonth(MonthModel& m, int timeMode) {
    m.dayCounter = std::min(m.dayCounter, kViewerDayCounterLimit);
    m.dayCounterText = Format("%d", m.dayCounter);

    const float hours = HoursFromMinutes(m.totalMinutes);
    m.totalHm = HoursMinutesText("%d:%02d", hours);
    m.totalDecimal = Format("%.02f", hours);
    const float perStart = m.totalMinutes >= 1 ? hours / static_cast<float>(m.sessions.size()) : 0.0f;
    m.averagePerStartHm = HoursMinutesText(" %0d:%02d /回", perStart);
    m.averagePerStartDecimal = Format("%5.02f /回", perStart);
    const float perDay = hours / static_cast<float>(m.dayCounter);
    m.averagePerDayHm = HoursMinutesText(" %0d:%02d /日", perDay);
    m.averagePerDayDecimal = Format("%5.02f /日", perDay);
    ApplyTimeMode(m, timeMode);

    // Each day's start count and its hours, read back from the texts shown per session.
    for (const SessionRun& run : StartDateRuns(m.sessions)) {
        double dayHours = 0.0;
        for (size_t i = run.first; i < run.last; ++i) dayHours += std::atof(m.sessions[i].hours.c_str());
        m.startsPerDay.push_back(Format("%4d", static_cast<int>(run.last - run.first)));
        m.days.push_back({std::string(DatePart(m.sessions[run.first].start)),
                          Format(dayHours < 10.0 ? "%6.02f" : "%5.02f", dayHours), m.startsPerDay.back()});
    }
}

}  // namespace

MonthShapeResult MonthShape(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    month = std::clamp(month, 1, 12);
    const bool leap = IsLeapYear(year);
    int before = 0;
    for (int m = 1; m < month; ++m) before += kLengths[m - 1] + (m == 2 && leap ? 1 : 0);
    const long long b = year - 1600;
    long long days = 365 * b + b / 4 - b / 100 + b / 400;
    if (b > 0 && !leap) days += 1;
    // Kept non-negative so that a year before 1600 (typed into the year edit) still gives a
    // column of the calendar.
    const int w = static_cast<int>(((before + days + 1) % 7 + 7) % 7);
    return {(w + 5) % 7, kLengths[month - 1] + (month == 2 && leap ? 1 : 0)};
}

std::string HoursMinutesText(const char* format, float hours) {
    HoursAndMinutes hm = SplitHours(hours);
    return Format(format, hm.hours, hm.minutes);
}

std::string HoursMinutesText(const char* format, double hours) {
    const int whole = static_cast<int>(hours);
    return Format(format, whole, static_cast<int>((hours - whole) * 60.0));
}

int DayNumber(std::string_view dateText) { return ToInt(Columns(dateText, 6, 2)); }

std::vector<SessionRun> StartDateRuns(const std::vector<SessionEntry>& sessions) {
    std::vector<SessionRun> runs;
    for (size_t i = 0; i < sessions.size(); ++i) {
        if (runs.empty() || DatePart(sessions[i].start) != DatePart(sessions[i - 1].start)) runs.push_back({i, i});
        runs.back().last = i + 1;
    }
    return runs;
}

void ApplyTimeMode(MonthModel& model, int timeMode) {
    const bool decimal = timeMode == kTimeDecimal;
    model.totalText = decimal ? model.totalDecimal : model.totalHm;
    model.averageText = decimal ? model.averagePerStartDecimal : model.averagePerStartHm;
}

std::string NowLine(const DateTime& now) {
    return "E " + TwoDigitYear(now.year) + Format("/%02d/%02d %02d:%02d", now.month, now.day, now.hour, now.minute);
}

std::string NowCaption(const DateTime& now) {
    return Format(" (%d/%02d/%02d %02d:%02d 現在)", now.year, now.month, now.day, now.hour, now.minute);
}

std::string ApplicationFolder(const Profile& recorderProfile) { return Read(recorderProfile, recorder_key::AppDir); }

std::string LogSource(std::string_view applicationFolder, std::string_view secondLog) {
    if (!secondLog.empty()) return std::string(secondLog);
    return std::string(applicationFolder) + kSessionLogName;
}

std::string WindowTitle(std::string_view secondLog, std::string_view nowCaption) {
    if (!secondLog.empty()) return "Orvelle Check (" + std::string(secondLog) + ")";
    return " Orvelle Check " + std::string(nowCaption);
}

bool ReadMonth(const LogRead& log, int year, int month, int timeMode, MonthModel& model) {
    FilePtr file = OpenFile(log.path, "rb");
    if (!file) return false;

    MonthModel m = StartMonth(year, month);

    // Months are found by text, not by parsed dates: "yy/mm/" anywhere in a line.
    const std::string thisPrefix = TwoDigitYear(year) + Format("/%02d/", month);
    const std::string nextPrefix =
        month == 12 ? TwoDigitYear(year + 1) + "/01/" : TwoDigitYear(year) + Format("/%02d/", month + 1);

    bool open = false;
    LogStamp start;
    std::string startText;
    auto close = [&](std::string_view endLine) {
        int minutes = SessionMinutes(start, ParseLogLine(endLine));
        open = false;
        if (minutes <= 0) return;
        m.sessions.push_back({startText, std::string(Columns(endLine, 2, std::string_view::npos)),
                              Format("%6.02f", HoursFromMinutes(minutes))});
        m.totalMinutes += minutes;
    };

    LineReader reader(file.get(), kViewerLineBuffer);
    std::string line;
    std::string stopLine;
    bool lastWasAcceptedStart = false;
    while (reader.Next(line)) {
        if (line.empty()) continue;
        lastWasAcceptedStart = false;
        if (Contains(line, nextPrefix)) {
            stopLine = line;
            break;
        }
        if (!Contains(line, thisPrefix)) continue;
        LogStamp stamp = ParseLogLine(line);
        if (stamp.tag == 'S' && !open) {
            start = stamp;
            startText = std::string(Columns(line, 2, std::string_view::npos));
            // Counted per change of date between starts, dropped sessions included.
            if (!m.sessions.empty() && DatePart(startText) != DatePart(m.sessions.back().start)) ++m.dayCounter;
            open = true;
            lastWasAcceptedStart = true;
            continue;
        }
        if (stamp.tag == 'E' && open) close(line);
        if (m.sessions.size() >= kViewerSessionLimit) break;
    }
    if (open) {
        // A start of the month's last day that the next month's first line ends.
        if (!stopLine.empty() && stopLine[0] == 'E') close(stopLine);
        // The session still running when the viewer started.
        else if (log.ownLog && lastWasAcceptedStart) close(log.nowLine);
    }
    file.reset();

    FinishMonth(m, timeMode);
    model = std::move(m);
    return true;
}

MonthModel EmptyMonth(int year, int month, int timeMode) {
    MonthModel m = StartMonth(year, month);
    FinishMonth(m, timeMode);
    return m;
}

}  // namespace kestrowa
