#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "shared/DrawList.h"
#include "viewer/Views.h"
#include "viewer/analysis/GraphCanvas.h"
#include "viewer/analysis/MonthSeries.h"
#include "viewer/analysis/PeriodCount.h"
#include "viewer/history/EventHistory.h"

namespace kestrowa {

// What orvelle-report was asked for. Unset options take the viewer's defaults: the settings
// file's defaults and the main window's start values.
struct ReportRequest {
    std::string log;
    int year = 0;
    int month = 0;
    ViewKind view = ViewKind::Calendar;
    std::optional<DateTime> now;  // the viewer's start moment; the clock when unset
    bool secondLog = false;
    int timeMode = viewer_key::TimeMode.fallback;
    int monthLabel = viewer_key::MonthLabel.fallback;
    int weekRecord = viewer_key::WeekRecord.fallback;
    int hundredMark = viewer_key::HundredMark.fallback;
    int calendarDates = 1;
    int activityDates = 1;
    bool csv = false;
    // The period views: the kind, and the period as the dialog's edits would hold it (a field
    // not given is empty).
    std::optional<PeriodMode> period;
    PeriodTexts periodTexts;
    // A drawing in place of a table: the trend graph by day or by month, or the chart.
    enum class Graph { None, Daily, Monthly, Chart } graph = Graph::None;
    MonthWindow window = MonthWindow::Latest;
    // The drawing area the drawing is laid out in, as a window of that size draws it.
    Size area = kGraphDesignSize;
    std::string svgFile;
    std::string pngFile;
    // In place of a view: an exported System event log turned into a log of the recorder's lines
    // at `out`, up to the first line of `log` when one is given.
    std::string importEvents;
    std::string out;
};

// Parses the arguments after the program name, each option as its row of the option table sets
// it (ReportArguments.cpp). On a bad or missing argument returns nullopt and says why in `error`.
std::optional<ReportRequest> ParseReportArguments(const std::vector<std::string>& args, std::string& error);
// The synopsis and every option the parse takes: its argument, what it sets and the views that
// take it.
std::string ReportHelp();

// The report's records: one per summary field (its name and text), an empty one, the column
// headers and the table's rows. nullopt when the log cannot be opened.
std::optional<std::vector<std::vector<std::string>>> BuildReport(const ReportRequest& request, const DateTime& clock);

// The drawing asked for, as the viewer's window draws it for the same log and moment; nullopt
// when the log cannot be opened.
std::optional<DrawList> BuildDrawing(const ReportRequest& request, const DateTime& clock);

// Cells separated by a tab, one record a line, every blank kept.
std::string FormatTabSeparated(const std::vector<std::vector<std::string>>& records);
// RFC 4180: fields with a comma, quote or line break in quotes, quotes doubled, CR LF endings.
std::string FormatCsv(const std::vector<std::vector<std::string>>& records);

// Turns a drawing's SVG into a PNG file; false with the reason in `error`.
using PngWriter = std::function<bool(const std::string& svg, const std::string& path, std::string& error)>;

inline constexpr int kReportUsageError = 2;
// A period the period view refuses (a field missing, too long).
inline constexpr int kReportRefusedPeriod = 3;
inline constexpr int kReportOutputError = 1;
// What the report takes from the system beside the clock: the PNG writer, and the local time of a
// moment for --import-events (UTC when none is given).
struct ReportSystem {
    PngWriter writePng;
    LocalTimeOf localTime;
};

// The whole program: its output in `out`, a message in `err`, and the exit status.
int RunReport(const std::vector<std::string>& args, const DateTime& clock, std::string& out, std::string& err,
              const ReportSystem& system = {});

}  // namespace kestrowa
