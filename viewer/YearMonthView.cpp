#include "shared/Hours.h"
#include "shared/SessionScanner.h"
#include "shared/Strings.h"
#include "viewer/Views.h"

namespace kestrowa {

namespace {

constexpr const char* kBlankSummary = "             ";
// Two-digit years: the months of a century go round. The table holds at most one row for each,
// or a log whose months jump about would fill the gaps between them without end.
constexpr int kCenturyMonths = 1200;
constexpr size_t kRowLimit = kCenturyMonths;

// A "yy/mm" month as a count of months within a century, and back.
int MonthIndex(std::string_view yymm) { return ToInt(Columns(yymm, 0, 2)) * 12 + ToInt(Columns(yymm, 3, 2)) - 1; }
std::string MonthLabel(int index) { return Format("%02d/%02d", index / 12 % 100, index % 12 + 1); }

std::string HundredMark(float hours) {
    const int hundreds = static_cast<int>(hours) / 100;
    if (hundreds <= 0) return "";
    if (hundreds == 1) return " 　*";
    if (hundreds == 2) return "　**";
    return " ***";
}

// The log month by month. A month's block is opened by its first line and ends at the first
// line of another month read while no session is open: a session across the month end counts in
// the month of its start.
class YearMonthScan : public SessionReader {
public:
    YearMonthScan(Table& table, const ViewerSettings& settings) : table_(table), settings_(settings) {}

    void Line(std::string_view line, bool sessionOpen) override {
        if (!anyLine_ && line[0] == 'S') firstStart_ = line;
        anyLine_ = true;
        if (!blockOpen_) {
            Open(line);
        } else if (line.find(block_ + "/") == std::string_view::npos && !sessionOpen) {
            WriteBlock();
            Open(line);
        }
    }

    void Session(const ScannedSession& session) override {
        minutes_ += session.minutes;
        ++blockStarts_;
    }

    // A full table takes no more rows: the read ends there.
    bool Enough(std::string_view) override { return Full(); }

    void Finish(SummaryTexts& summary) {
        summary.average = Format("%6.2f /回", starts_ != 0 ? totalHours_ / static_cast<float>(starts_) : 0.0f);
        const std::string yy(Columns(firstStart_, 2, 2));
        const std::string mm(Columns(firstStart_, 5, 2));
        summary.group = (ToInt(yy) > 80 ? "19" : "20") + yy + "年" + mm + "月～" +
                        Format("  (%dヶ月)   最大  ", static_cast<int>(table_.rows.size())) + largestLabel_ +
                        Format(" <%.2f時間>", largestHours_);
    }

private:
    void Open(std::string_view line) {
        blockOpen_ = true;
        block_ = std::string(Columns(line, 2, 5));
        minutes_ = 0;
        blockStarts_ = 0;
    }

    bool Full() const { return table_.rows.size() >= kRowLimit; }

    // Writes the block's row after the zero rows of the months missing before it, as far as the
    // table has room; the totals and the largest month are those of the rows written.
    void WriteBlock() {
        // Months without a line between the last listed month and this one; a month before the
        // expected one (a log out of order) adds none.
        const int blockIndex = MonthIndex(block_);
        if (expected_ >= 0) {
            const int gap = ((blockIndex - expected_) % kCenturyMonths + kCenturyMonths) % kCenturyMonths;
            if (gap < kCenturyMonths / 2)
                for (int i = 0; i < gap && !Full(); ++i) {
                    std::vector<std::string>& row = table_.AddRow();
                    row[0] = MonthLabel(expected_ + i);
                    row[1] = "    0.00";
                }
        }
        if (Full()) return;

        const float hours = HoursFromMinutes(minutes_);
        const float average = blockStarts_ != 0 ? hours / static_cast<float>(blockStarts_) : 0.0f;
        if (hours > largestHours_) {
            largestHours_ = hours;
            largestLabel_ = block_;
        }
        totalHours_ += hours;
        starts_ += blockStarts_;
        std::vector<std::string>& row = table_.AddRow();
        row[0] = block_;
        row[1] = Format("%8.2f", hours) + (settings_.hundredMark == 1 ? HundredMark(hours) : "");
        row[2] = Format("%8.2f", average);
        row[3] = Format("%5d", blockStarts_);
        row[4] = Format("%7.2f", totalHours_ * kDaysPerHour);
        row[5] = Format("%5d", starts_);
        // December is followed by January of the next two-digit year, 99 by 00.
        expected_ = (blockIndex + 1) % kCenturyMonths;
    }

    Table& table_;
    const ViewerSettings& settings_;
    bool anyLine_ = false;
    std::string firstStart_;  // the log's first line when it is a start line
    bool blockOpen_ = false;
    std::string block_;  // "yy/mm"
    int64_t minutes_ = 0;
    int blockStarts_ = 0;
    int expected_ = -1;  // month index of the month after the last listed one
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
