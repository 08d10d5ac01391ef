#include "shared/Hours.h"
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

// The table's rows: one for each month of the log but its running one, with running totals.
class YearMonthScan final : public MonthBlocks {
public:
    YearMonthScan(Table& table, const ViewerSettings& settings) : table_(table), settings_(settings) {}

    void Line(std::string_view line, bool sessionOpen) override {
        if (!anyLine_ && line[0] == 'S') firstStart_ = line;
        anyLine_ = true;
        MonthBlocks::Line(line, sessionOpen);
    }

    void Finish(SummaryTexts& summary) {
        summary.average = Format("%6.2f /回", starts_ != 0 ? totalHours_ / static_cast<float>(starts_) : 0.0f);
        const std::string yy(Columns(firstStart_, 2, 2));
        const std::string mm(Columns(firstStart_, 5, 2));
        summary.group = (ToInt(yy) > 80 ? "19" : "20") + yy + "年" + mm + "月～" +
                        Format("  (%dヶ月)   最大  ", static_cast<int>(table_.rows.size())) + largestLabel_ +
                        Format(" <%.2f時間>", largestHours_);
    }

private:
    void EmptyMonth(const std::string& key) override {
        std::vector<std::string>& row = table_.AddRow();
        row[0] = key;
        row[1] = "    0.00";
    }

    void Month(const std::string& key, int64_t minutes, int sessions) override {
        const float hours = HoursFromMinutes(minutes);
        const float average = sessions != 0 ? hours / static_cast<float>(sessions) : 0.0f;
        if (hours > largestHours_) {
            largestHours_ = hours;
            largestLabel_ = key;
        }
        totalHours_ += hours;
        starts_ += sessions;
        std::vector<std::string>& row = table_.AddRow();
        row[0] = key;
        row[1] = Fixed(hours, 8, 2) + (settings_.hundredMark == 1 ? HundredMark(hours) : "");
        row[2] = Fixed(average, 8, 2);
        row[3] = Whole(sessions, 5);
        row[4] = Fixed(totalHours_ * kDaysPerHour, 7, 2);
        row[5] = Whole(starts_, 5);
    }

    Table& table_;
    const ViewerSettings& settings_;
    bool anyLine_ = false;
    std::string firstStart_;  // the log's first line when it is a start line
    float totalHours_ = 0.0f;
    int starts_ = 0;
    float largestHours_ = 0.0f;
    std::string largestLabel_;
};

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
    YearMonthScan scan(table, options.settings);
    ScanOptions scanOptions;
    scanOptions.lineBuffer = kViewerLineBuffer;
    if (!ScanLog(logPath, scanOptions, scan)) return std::nullopt;
    scan.Finish(s);

    if (options.settings.carrerLastPosition == 1)
        table.scroll = ScrollPerRow(table.rows.size()) * static_cast<int>(table.rows.size());
    return view;
}

}  // namespace kestrowa
