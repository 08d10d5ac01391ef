#include "viewer/MonthModel.h"

#include <algorithm>
#include <cstdlib>

#include "shared/Hours.h"
#include "shared/LogLine.h"
#include "shared/RecorderSettings.h"
#include "shared/SessionScanner.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {

std::string_view DatePart(std::string_view text) { return Columns(text, 0, 8); }

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
    m.dayCounterText = PaddedInteger(m.dayCounter, 0);

    const float hours = HoursFromMinutes(m.totalMinutes);
    m.totalHm = HoursMinutesText("%d:%02d", hours);
    m.totalDecimal = PaddedDecimal(hours, 0, 2);
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
        m.startsPerDay.push_back(PaddedInteger(static_cast<int>(run.last - run.first), 4));
        m.days.push_back({std::string(DatePart(m.sessions[run.first].start)),
                          Format(dayHours < 10.0 ? "%6.02f" : "%5.02f", dayHours), m.startsPerDay.back()});
    }
}

}  // namespace

MonthShapeResult MonthShape(int year, int month) {
    month = std::clamp(month, 1, 12);
    const bool leap = DaysInMonth(year, 2) == 29;
    int before = 0;
    for (int m = 1; m < month; ++m) before += DaysInMonth(year, m);
    const long long b = year - 1600;
    long long days = 365 * b + b / 4 - b / 100 + b / 400;
    if (b > 0 && !leap) days += 1;
    // Kept non-negative so that a year before 1600 (typed into the year edit) still gives a
    // column of the calendar.
    const int w = static_cast<int>(((before + days + 1) % 7 + 7) % 7);
    return {(w + 5) % 7, DaysInMonth(year, month)};
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

std::string WindowTitle(std::string_view secondLog, std::string_view nowCaption) {
    if (!secondLog.empty()) return "Orvelle Check (" + std::string(secondLog) + ")";
    return " Orvelle Check " + std::string(nowCaption);
}

bool ReadMonth(const LogRead& log, int year, int month, int timeMode, MonthModel& model) {
    // The month's sessions in log order, with the count of the dates they start on.
    class MonthReader final : public SessionReader {
    public:
        explicit MonthReader(MonthModel& m) : m_(m) {}
        void Line(std::string_view, bool) override { m_.hasLines = true; }
        void Start(std::string_view line) override {
            // Counted per change of date between starts, dropped sessions included.
            if (!m_.sessions.empty() && Columns(line, 2, 8) != DatePart(m_.sessions.back().start)) ++m_.dayCounter;
        }
        void Session(const ScannedSession& s) override {
            m_.sessions.push_back({std::string(Columns(s.startLine, 2, std::string_view::npos)),
                                   std::string(Columns(s.endLine, 2, std::string_view::npos)),
                                   PaddedDecimal(HoursFromMinutes(s.minutes), 6, 2)});
            m_.totalMinutes += s.minutes;
        }

    private:
        MonthModel& m_;
    };

    MonthModel m = StartMonth(year, month);
    MonthReader reader(m);
    ScanOptions options;
    options.lineBuffer = kViewerLineBuffer;
    SelectMonth(options, year, month);
    options.sessionLimit = kViewerSessionLimit;
    // A start of the month's last day that the next month's first line ends.
    options.stopLineCloses = true;
    // The session still running when the viewer started.
    if (log.ownLog) options.nowLine = log.nowLine;
    if (!ScanLog(log.path, options, reader)) return false;

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
