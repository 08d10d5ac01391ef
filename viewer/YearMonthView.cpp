#include "shared/Hours.h"
#include "shared/SessionLog.h"
#include "shared/Strings.h"
#include "viewer/MonthBlocks.h"
#include "viewer/Views.h"

namespace kestrowa {

namespace {

constexpr const char* kBlankSummary = "             ";

std::string HundredMark(float hours) {
    const int hundreds = static_cast<int>(hours) / 100;
    if (hundreds <= 0) return "";
    if (hundreds == 1) return " 　*";
    if (hundreds == 2) return "　**";
    return " ***";
}

// A month of the log as the read found it; the row of an empty one (a month without lines between
// two with lines) shows only its hours, 0.
struct MonthFigures {
    std::string key;  // "yy/mm"
    int64_t minutes = 0;
    int sessions = 0;
    bool empty = false;
};

// Each month of the log but its running one, and the log's first line when it is a start line.
// The rows are written once the read is over, when the line reader's block is given back.
class YearMonthScan final : public MonthBlocks {
public:
    void Line(std::string_view line, bool sessionOpen) override {
        if (!anyLine_) {
            anyLine_ = true;
            if (line[0] == 'S') firstStart_ = line;
        }
        MonthBlocks::Line(line, sessionOpen);
    }

    const std::vector<MonthFigures>& Months() const { return months_; }
    const std::string& FirstStart() const { return firstStart_; }

private:
    void EmptyMonth(const std::string& key) override { months_.push_back({key, 0, 0, true}); }
    void Month(const std::string& key, int64_t minutes, int sessions) override {
        months_.push_back({key, minutes, sessions, false});
    }

    bool anyLine_ = false;
    std::string firstStart_;
    std::vector<MonthFigures> months_;
};

// The rows with their running totals, and the summary's average and group line.
void WriteRows(const YearMonthScan& scan, const ViewerSettings& settings, Table& table, SummaryTexts& summary) {
    float totalHours = 0.0f;
    int starts = 0;
    float largestHours = 0.0f;
    std::string largestLabel;
    table.rows.reserve(scan.Months().size());
    for (const MonthFigures& m : scan.Months()) {
        std::vector<std::string>& row = table.AddRow();
        row[0] = m.key;
        if (m.empty) {
            row[1] = "    0.00";
            continue;
        }
        const float hours = HoursFromMinutes(m.minutes);
        const float average = m.sessions != 0 ? hours / static_cast<float>(m.sessions) : 0.0f;
        if (hours > largestHours) {
            largestHours = hours;
            largestLabel = m.key;
        }
        totalHours += hours;
        starts += m.sessions;
        row[1] = PaddedDecimal(hours, 8, 2);
        if (settings.hundredMark == 1) row[1] += HundredMark(hours);
        row[2] = PaddedDecimal(average, 8, 2);
        row[3] = PaddedInteger(m.sessions, 5);
        row[4] = PaddedDecimal(totalHours * kDaysPerHour, 7, 2);
        row[5] = PaddedInteger(starts, 5);
    }
    summary.average = Format("%6.2f /回", starts != 0 ? totalHours / static_cast<float>(starts) : 0.0f);
    const std::string& first = scan.FirstStart();
    // The century, then the year and month as the line has them: blank after "20" when the log
    // does not begin with a start line.
    const std::string yy(Columns(first, 2, 2));
    summary.group = Format("%d", FullYear(ToInt(yy)) / 100) + yy + "年" + std::string(Columns(first, 5, 2)) + "月～" +
                    Format("  (%dヶ月)   最大  ", static_cast<int>(table.rows.size())) + largestLabel +
                    Format(" <%.2f時間>", largestHours);
}

}  // namespace

std::optional<YearMonthView> BuildYearMonthView(const std::string& logPath, const ViewOptions& options) {
    YearMonthView view;
    SummaryTexts& s = view.summary;
    s.title = "月毎の起動、終了の状況及び起動回数";
    s.caption = s.total = s.count = s.average = s.unit = kBlankSummary;
    // The count label is not touched by this view: it keeps the month views' label.
    s.countLabel = options.settings.monthLabel == 1 ? "稼働日数" : "起動回数";

    Table& table = view.table;
    table.columns = {{"年/月", 52}, {"稼動時間", 95}, {"平均 h/回", 95}, {"起動回数", 80}, {"累計(日)", 80}, {"累計回数", 76}};
    // The last month of the log is still running and is left out: only a month that a later
    // line has closed gets its row.
    YearMonthScan scan;
    ScanOptions scanOptions;
    scanOptions.lineBuffer = kViewerLineBuffer;
    if (!ScanLog(logPath, scanOptions, scan)) return std::nullopt;
    WriteRows(scan, options.settings, table, s);

    table.showEnd = options.settings.yearMonthViewAtEnd == 1;
    return view;
}

}  // namespace kestrowa
