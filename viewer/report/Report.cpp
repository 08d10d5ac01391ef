#include "viewer/report/Report.h"

#include <algorithm>

#include "platform/File.h"
#include "shared/DrawListSvg.h"
#include "shared/Strings.h"
#include "viewer/MonthViewer.h"
#include "viewer/analysis/Chart.h"
#include "viewer/analysis/GraphCanvas.h"
#include "viewer/analysis/TrendGraph.h"
#include "viewer/report/PeriodReport.h"

namespace kestrowa {

namespace {

constexpr const char* kUsage =
    "usage: orvelle-report --log FILE --month YYYY-MM [--view calendar|daily|perstart|yearmonth]\n"
    "       [--time hm|decimal] [--now \"YYYY/MM/DD HH:MM\"] [--second-log] [--month-label 0|1]\n"
    "       [--week-record 0|1] [--calendar-dates 0|1] [--activity-dates 0|1] [--hundred-mark 0|1] [--csv]\n"
    "       orvelle-report --log FILE --view period-days [--from YYYY/MM/DD] [--to YYYY/MM/DD]\n"
    "       orvelle-report --log FILE --view period-months [--from YYYY/MM] [--to YYYY/MM]\n"
    "       (the period views take --time, --second-log, --now and --csv as well)\n"
    "       orvelle-report --log FILE --graph daily|chart --month YYYY-MM [--now ...] [--second-log]\n"
    "       orvelle-report --log FILE --graph monthly [--window first|latest] [--second-log]\n"
    "       A drawing is printed one element a line, or written with [--svg FILE] [--png FILE].\n";

// Exactly `count` decimal digits from `at`.
bool Digits(const std::string& text, size_t at, size_t count, int& value) {
    if (at + count > text.size()) return false;
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

bool ParseMonth(const std::string& text, int& year, int& month) {
    return text.size() == 7 && text[4] == '-' && Digits(text, 0, 4, year) && Digits(text, 5, 2, month) &&
           month >= 1 && month <= 12;
}

bool ParseNow(const std::string& text, DateTime& now) {
    if (text.size() != 16 || text[4] != '/' || text[7] != '/' || text[10] != ' ' || text[13] != ':') return false;
    if (!Digits(text, 0, 4, now.year) || !Digits(text, 5, 2, now.month) || !Digits(text, 8, 2, now.day) ||
        !Digits(text, 11, 2, now.hour) || !Digits(text, 14, 2, now.minute))
        return false;
    return now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= MonthShape(now.year, now.month).days &&
           now.hour <= 23 && now.minute <= 59;
}

// "YYYY/MM/DD" (three fields) or "YYYY/MM" (two) into the period edits from `first` on, each as
// "%d"; months and days with one or two digits.
bool ParsePeriodDate(const std::string& text, size_t fields, PeriodTexts& texts, size_t first) {
    static constexpr int kHighest[3] = {9999, 12, 31};
    size_t at = 0;
    for (size_t f = 0; f < fields; ++f) {
        const size_t end = std::min(text.find('/', at), text.size());
        const size_t length = end - at;
        int value = 0;
        if ((f == 0 ? length != 4 : length < 1 || length > 2) || !Digits(text, at, length, value) || value < 1 ||
            value > kHighest[f])
            return false;
        texts[first + f] = PaddedInteger(value, 0);
        at = end + 1;
    }
    return at == text.size() + 1;
}

bool ParseFlag(const std::string& text, int& value) {
    if (text != "0" && text != "1") return false;
    value = text[0] - '0';
    return true;
}

std::vector<std::string> Record(std::string name, std::string text) { return {std::move(name), std::move(text)}; }

}  // namespace

std::optional<ReportRequest> ParseReportArguments(const std::vector<std::string>& args, std::string& error) {
    ReportRequest r;
    bool haveLog = false, haveMonth = false;
    std::string from, to;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--second-log") {
            r.secondLog = true;
            continue;
        }
        if (name == "--csv") {
            r.csv = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = name.rfind("--", 0) == 0 ? "missing value for " + name : "unexpected argument '" + name + "'";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (name == "--log") {
            r.log = value;
            ok = haveLog = !value.empty();
        } else if (name == "--month") {
            ok = haveMonth = ParseMonth(value, r.year, r.month);
        } else if (name == "--view") {
            if (value == "calendar") r.view = ViewKind::Calendar;
            else if (value == "daily") r.view = ViewKind::Daily;
            else if (value == "perstart") r.view = ViewKind::PerStart;
            else if (value == "yearmonth") r.view = ViewKind::YearMonth;
            else if (value == "period-days") r.period = PeriodMode::Daily;
            else if (value == "period-months") r.period = PeriodMode::Monthly;
            else ok = false;
        } else if (name == "--time") {
            if (value == "hm") r.timeMode = kTimeHoursMinutes;
            else if (value == "decimal") r.timeMode = kTimeDecimal;
            else ok = false;
        } else if (name == "--now") {
            DateTime now;
            ok = ParseNow(value, now);
            r.now = now;
        } else if (name == "--from") {
            from = value;
        } else if (name == "--to") {
            to = value;
        } else if (name == "--month-label") {
            ok = ParseFlag(value, r.monthLabel);
        } else if (name == "--week-record") {
            ok = ParseFlag(value, r.weekRecord);
        } else if (name == "--calendar-dates") {
            ok = ParseFlag(value, r.calendarDates);
        } else if (name == "--activity-dates") {
            ok = ParseFlag(value, r.activityDates);
        } else if (name == "--hundred-mark") {
            ok = ParseFlag(value, r.hundredMark);
        } else if (name == "--graph") {
            if (value == "daily") r.graph = ReportRequest::Graph::Daily;
            else if (value == "monthly") r.graph = ReportRequest::Graph::Monthly;
            else if (value == "chart") r.graph = ReportRequest::Graph::Chart;
            else ok = false;
        } else if (name == "--window") {
            if (value == "first") r.window = MonthWindow::First;
            else if (value == "latest") r.window = MonthWindow::Latest;
            else ok = false;
        } else if (name == "--svg") {
            r.svgFile = value;
            ok = !value.empty();
        } else if (name == "--png") {
            r.pngFile = value;
            ok = !value.empty();
        } else {
            error = "unknown argument '" + name + "'";
            return std::nullopt;
        }
        if (!ok) {
            error = "bad value '" + value + "' for " + name;
            return std::nullopt;
        }
    }
    if (r.period) {
        const size_t fields = *r.period == PeriodMode::Daily ? 3 : 2;
        if (!from.empty() && !ParsePeriodDate(from, fields, r.periodTexts, kStartYear)) {
            error = "bad value '" + from + "' for --from";
            return std::nullopt;
        }
        if (!to.empty() && !ParsePeriodDate(to, fields, r.periodTexts, kLastYear)) {
            error = "bad value '" + to + "' for --to";
            return std::nullopt;
        }
        haveMonth = true;
    } else if (!from.empty() || !to.empty()) {
        error = "--from and --to belong to the period views";
        return std::nullopt;
    }
    // The year-month graph covers the whole log: it needs no month.
    const bool needMonth = r.graph != ReportRequest::Graph::Monthly;
    if (!haveLog || (needMonth && !haveMonth)) {
        error = haveLog ? "--month is required" : "--log is required";
        return std::nullopt;
    }
    if (r.graph == ReportRequest::Graph::None && (!r.svgFile.empty() || !r.pngFile.empty())) {
        error = "--svg and --png write a drawing: name one with --graph";
        return std::nullopt;
    }
    return r;
}

namespace {

// The main window as it stands after reading the month asked for (today's month for the year-month
// graph, which does not depend on it).
MonthViewer MainWindow(const ReportRequest& request, const DateTime& clock) {
    const DateTime now = request.now.value_or(clock);
    ViewerSettings s;
    // The file given is read as the own log unless it is named as a second log.
    s.secondLog = request.secondLog ? request.log : std::string();
    s.timeMode = request.timeMode;
    s.monthLabel = request.monthLabel;
    s.weekRecord = request.weekRecord;
    s.hundredMark = request.hundredMark;
    MonthViewer viewer(std::move(s), request.log, now);
    viewer.Options().calendarDates = request.calendarDates;
    viewer.Options().perStartDates = request.activityDates;

    return viewer;
}

}  // namespace

std::optional<std::vector<std::vector<std::string>>> BuildReport(const ReportRequest& request, const DateTime& clock) {
    MonthViewer viewer = MainWindow(request, clock);
    // As the main window does: the month is read, then the view asked for is built.
    if (request.view != ViewKind::YearMonth && !viewer.ReadMonth(request.year, request.month)) return std::nullopt;
    std::optional<ViewResult> view = viewer.ShowView(request.view);
    if (!view) return std::nullopt;
    const SummaryTexts& summary = view->summary;
    Table& table = view->table;

    std::vector<std::vector<std::string>> records;
    records.push_back(Record("caption", summary.caption));
    records.push_back(Record("title", summary.title));
    records.push_back(Record("total", summary.total));
    records.push_back(Record("count-label", summary.countLabel));
    records.push_back(Record("count", summary.count));
    records.push_back(Record("average", summary.average));
    records.push_back(Record("unit", summary.unit));
    records.push_back(Record("group", summary.group));
    records.emplace_back();
    std::vector<std::string> headers;
    for (const TableColumn& c : table.columns) headers.push_back(c.header);
    records.push_back(std::move(headers));
    for (std::vector<std::string>& row : table.rows) records.push_back(std::move(row));
    return records;
}

std::optional<DrawList> BuildDrawing(const ReportRequest& request, const DateTime& clock) {
    MonthViewer viewer = MainWindow(request, clock);
    if (request.graph == ReportRequest::Graph::Monthly) {
        std::optional<std::vector<MonthSlot>> series = ReadMonthSeries(viewer.LogPath());
        if (!series) return std::nullopt;
        return DrawMonthlyGraph(*series, request.window);
    }
    if (!viewer.ReadMonth(request.year, request.month)) return std::nullopt;
    if (request.graph == ReportRequest::Graph::Chart)
        return ChartDrawing(ChartOpeningOf(viewer));
    return TrendGraph(TrendGraphOpeningOf(viewer)).Draw();
}

std::string FormatTabSeparated(const std::vector<std::vector<std::string>>& records) {
    std::string text;
    for (const std::vector<std::string>& record : records) {
        for (size_t i = 0; i < record.size(); ++i) {
            if (i > 0) text += '\t';
            text += record[i];
        }
        text += '\n';
    }
    return text;
}

std::string FormatCsv(const std::vector<std::vector<std::string>>& records) {
    std::string text;
    for (const std::vector<std::string>& record : records) {
        for (size_t i = 0; i < record.size(); ++i) {
            if (i > 0) text += ',';
            const std::string& field = record[i];
            if (field.find_first_of(",\"\r\n") == std::string::npos) {
                text += field;
                continue;
            }
            text += '"';
            for (char c : field) {
                if (c == '"') text += '"';
                text += c;
            }
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}

namespace {

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    FilePtr file = OpenFile(path, "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

int RunDrawing(const ReportRequest& request, const DateTime& clock, std::string& out, std::string& err,
               const PngWriter& writePng) {
    std::optional<DrawList> drawing = BuildDrawing(request, clock);
    if (!drawing) {
        err = "orvelle-report: cannot open the log '" + request.log + "'\n";
        return kReportUsageError;
    }
    if (request.svgFile.empty() && request.pngFile.empty()) {
        out = DrawListText(*drawing);
        return 0;
    }
    const std::string svg = DrawListSvg(*drawing, kGraphCanvasWidth, kGraphCanvasHeight);
    if (!request.svgFile.empty() && !WriteWholeFile(request.svgFile, svg)) {
        err = "orvelle-report: cannot write '" + request.svgFile + "'\n";
        return kReportOutputError;
    }
    if (request.pngFile.empty()) return 0;
    std::string error = "no PNG renderer in this build";
    if (!writePng || !writePng(svg, request.pngFile, error)) {
        err = "orvelle-report: cannot write '" + request.pngFile + "': " + error + "\n";
        return kReportOutputError;
    }
    return 0;
}

}  // namespace

int RunReport(const std::vector<std::string>& args, const DateTime& clock, std::string& out, std::string& err,
              const PngWriter& writePng) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out = kUsage;
        return 0;
    }
    std::string error;
    std::optional<ReportRequest> request = ParseReportArguments(args, error);
    if (!request) {
        err = "orvelle-report: " + error + "\n" + kUsage;
        return kReportUsageError;
    }
    if (request->period) return RunPeriodReport(*request, out, err);
    if (request->graph != ReportRequest::Graph::None) return RunDrawing(*request, clock, out, err, writePng);
    std::optional<std::vector<std::vector<std::string>>> records = BuildReport(*request, clock);
    if (!records) {
        err = "orvelle-report: cannot open the log '" + request->log + "'\n";
        return kReportUsageError;
    }
    out = request->csv ? FormatCsv(*records) : FormatTabSeparated(*records);
    return 0;
}

}  // namespace kestrowa
