#include "viewer/report/Report.h"

#include "platform/File.h"
#include "platform/FileReplace.h"
#include "shared/DrawListSvg.h"
#include "viewer/MonthViewer.h"
#include "viewer/analysis/Chart.h"
#include "viewer/analysis/GraphCanvas.h"
#include "viewer/analysis/TrendGraph.h"
#include "viewer/report/PeriodReport.h"

namespace kestrowa {

namespace {

std::vector<std::string> Record(std::string name, std::string text) { return {std::move(name), std::move(text)}; }

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
        return InGraphArea(DrawMonthlyGraph(*series, request.window), request.area);
    }
    if (!viewer.ReadMonth(request.year, request.month)) return std::nullopt;
    if (request.graph == ReportRequest::Graph::Chart) return ChartDrawing(ChartOpeningOf(viewer), request.area);
    return TrendGraph(TrendGraphOpeningOf(viewer)).Draw(request.area);
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
    const std::string svg = DrawListSvg(*drawing, request.area.width, request.area.height);
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

// The history from an export, as the viewer makes it; anything but a history written fails.
int RunImport(const ReportRequest& request, std::string& out, std::string& err, const LocalTimeOf& localTime) {
    SystemFileReplacer replacer;
    const HistoryImport import = ImportEventExport(
        request.importEvents, request.log, request.out, replacer,
        localTime ? localTime : [](std::int64_t utc) { return std::optional<DateTime>(DateTimeFromSeconds(utc)); });
    if (import.outcome != HistoryImport::Outcome::Written) {
        err = "orvelle-report: " + ImportMessage(import) + "\n";
        return kReportOutputError;
    }
    out = ImportMessage(import) + "\n";
    return 0;
}

}  // namespace

int RunReport(const std::vector<std::string>& args, const DateTime& clock, std::string& out, std::string& err,
              const ReportSystem& system) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out = ReportHelp();
        return 0;
    }
    std::string error;
    std::optional<ReportRequest> request = ParseReportArguments(args, error);
    if (!request) {
        err = "orvelle-report: " + error + "\n" + ReportHelp();
        return kReportUsageError;
    }
    if (!request->importEvents.empty()) return RunImport(*request, out, err, system.localTime);
    if (request->period) return RunPeriodReport(*request, out, err);
    if (request->graph != ReportRequest::Graph::None) return RunDrawing(*request, clock, out, err, system.writePng);
    std::optional<std::vector<std::vector<std::string>>> records = BuildReport(*request, clock);
    if (!records) {
        err = "orvelle-report: cannot open the log '" + request->log + "'\n";
        return kReportUsageError;
    }
    out = request->csv ? FormatCsv(*records) : FormatTabSeparated(*records);
    return 0;
}

}  // namespace kestrowa
