#include "viewer/report/PeriodReport.h"

#include "platform/File.h"
#include "viewer/analysis/PeriodForm.h"

namespace kestrowa {

namespace {

// The first `count` of the edits from `first` on, "/" between them.
std::string Joined(const PeriodTexts& edits, size_t first, size_t count) {
    std::string text;
    for (size_t f = first; f < first + count; ++f) text += (f > first ? "/" : "") + edits[f];
    return text;
}

}  // namespace

int RunPeriodReport(const ReportRequest& request, std::string& out, std::string& err) {
    // The dialog would show an empty period; the report says why.
    if (!OpenFile(request.log, "rb")) {
        err = "orvelle-report: cannot open the log '" + request.log + "'\n";
        return kReportUsageError;
    }
    const PeriodMode mode = *request.period;
    RememberedPeriods remembered;
    (mode == PeriodMode::Daily ? remembered.daily : remembered.monthly) = request.periodTexts;
    // The file is read the same whether it is the own log or a second one: a period is never
    // closed at the viewer's start.
    PeriodForm form(std::move(remembered), {request.log, request.timeMode, 1});
    const RecountResult result = form.Start(mode);
    if (!result.message.empty()) {
        err = result.message + "\n";
        return kReportRefusedPeriod;
    }

    const size_t fields = mode == PeriodMode::Daily ? 3 : 2;
    const PeriodBoxes& boxes = form.Boxes();
    std::vector<std::vector<std::string>> records = {
        {"from", Joined(form.Edits(), kStartYear, fields)},
        {"to", Joined(form.Edits(), kLastYear, fields)},
        {"length", form.LengthLabel()},
        {"total", boxes[0]},
        {"rows", boxes[1]},
        {"starts", boxes[2]},
        {"per-row", boxes[3]},
        {"per-start", boxes[4]},
        {},
    };
    std::vector<std::string> headers;
    for (const TableColumn& c : form.List().columns) headers.push_back(c.header);
    records.push_back(std::move(headers));
    for (const std::vector<std::string>& row : form.List().rows) records.push_back(row);
    out = request.csv ? FormatCsv(records) : FormatTabSeparated(records);
    return 0;
}

}  // namespace kestrowa
