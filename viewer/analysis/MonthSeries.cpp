#include "viewer/analysis/MonthSeries.h"

#include <algorithm>

#include "shared/Hours.h"
#include "shared/SessionLog.h"
#include "shared/Strings.h"
#include "viewer/MonthBlocks.h"
#include "viewer/MonthModel.h"
#include "viewer/analysis/GraphCanvas.h"

namespace kestrowa {

namespace {

constexpr int kBase = 175;
constexpr int kTop = 20;
constexpr int kLeft = 31;
constexpr int kRight = 464;
constexpr int kFirstMonthX = 37;
constexpr double kPixelsPerMonth = 4.416666666666666;  // 96 months over 423 pixels
constexpr double kPixelsPerHour = 0.5;
// The running total in days and its height are the products of the exact values of these
// factors, taken in extended precision: 1/6 is stored just below its value, so a total of an
// exact multiple of 6 days lies one pixel lower (rounded to a double, 450 * it would give 75).
constexpr long double kExactDaysPerHour = 0.041666666666666664;
constexpr long double kPixelsPerDay = 0.16666666666666666;
constexpr Colour kBarOutline = 0x00C800;

int MonthOffset(int month) { return static_cast<int>(month * kPixelsPerMonth); }

// The label under month j of the window that starts at slot o: the month's key; for the month
// after the last, the key of slot o moved on by whole years.
std::string MonthLabel(const std::vector<MonthSlot>& series, size_t o, int j) {
    const size_t slot = o + static_cast<size_t>(j);
    if (slot < series.size()) return series[slot].key;
    if (slot > series.size()) return {};
    const std::string& first = series[o].key;
    return Format("%02d", (ToInt(Columns(first, 0, 2)) + j / 12) % 100) + std::string(Columns(first, 2, 3));
}

std::string Heading(const std::string& firstKey, bool latest, int bars, float average) {
    return Format("%d年", FullYear(ToInt(Columns(firstKey, 0, 2)))) + std::string(Columns(firstKey, 3, 2)) + "月～" +
           Format(latest ? "  (最新の%dヶ月)  月平均=%0.2f時間" : "  (%dヶ月)  月平均=%0.2f時間", bars, average);
}

// Each month of the log in a slot of its own.
class SeriesReader final : public MonthBlocks {
public:
    explicit SeriesReader(std::vector<MonthSlot>& series) : series_(series) {}

private:
    void EmptyMonth(const std::string& key) override { series_.push_back({key, 0.0f}); }
    void Month(const std::string& key, int64_t minutes, int) override {
        series_.push_back({key, HoursFromMinutes(minutes)});
    }

    std::vector<MonthSlot>& series_;
};

}  // namespace

std::optional<std::vector<MonthSlot>> ReadMonthSeries(const std::string& logPath) {
    std::vector<MonthSlot> series;
    SeriesReader reader(series);
    ScanOptions options;
    options.lineBuffer = kViewerLineBuffer;
    if (!ScanLog(logPath, options, reader)) return std::nullopt;
    return series;
}

DrawList DrawMonthlyGraph(const std::vector<MonthSlot>& series, MonthWindow window) {
    DrawList d;
    d.SelectBrush(kGraphGreen);
    d.SelectPen(kBlue, 2);
    d.Line(kLeft, kBase, kLeft, kTop);
    d.Line(kRight, kBase, kRight, kTop);
    d.SelectPen(kBlack);
    d.Line(kLeft, kBase, kRight, kBase);
    SelectGraphFont(d);
    for (int k = 1; k <= 3; ++k) {
        const int y = kBase - 50 * k;
        d.Line(kLeft, y, kRight, y);
        GraphText(d, 9, y - 5, PaddedInteger(100 * k, 3));
        GraphText(d, 467, y - 5, PaddedInteger(300 * k, 3));
    }
    GraphText(d, 3, 5, "稼動時間");
    GraphText(d, 426, 5, "累積(日数)");
    if (series.empty()) return d;

    const size_t n = series.size();
    const size_t o = window == MonthWindow::Latest && n > kGraphWindowMonths ? n - kGraphWindowMonths : 0;
    for (int j = 0; j <= kGraphWindowMonths; ++j) {
        const int x = kFirstMonthX + MonthOffset(j);
        if (j % 12 == 0) {
            d.Line(x, kBase, x, kBase + 4);
            GraphText(d, 11 + MonthOffset(j), 181, MonthLabel(series, o, j));
        } else if (j % 3 == 0) {
            d.Line(x, kBase, x, kBase + 2);
        }
    }
    for (int k = 1; k <= 14; ++k) d.Line(kLeft, kBase - 10 * k, kLeft + 3, kBase - 10 * k);

    d.SelectPen(kBarOutline);
    float total = 0.0f;
    for (size_t i = 0; i < o; ++i) total += series[i].hours;
    std::vector<long double> runningDays;
    for (size_t k = 0; k < kGraphWindowMonths && o + k < n; ++k) {
        const float hours = series[o + k].hours;
        const int q = 1 + MonthOffset(static_cast<int>(k));
        // A month longer than the scale's top ends at the frame, below the texts.
        d.Rectangle({35 + q, std::max(kTop, kBase - static_cast<int>(hours * kPixelsPerHour)), 38 + q, kBase});
        total += hours;
        runningDays.push_back(total * kExactDaysPerHour);
    }
    const int bars = static_cast<int>(runningDays.size());
    if (bars < 2) return d;

    const float average = total / static_cast<float>(o + runningDays.size());
    const int averageY = kBase - static_cast<int>(average * kPixelsPerHour);
    d.SelectPen(kGraphRed, 1, draw::LineStyle::Dotted);
    d.Line(kLeft, averageY, kRight, averageY);
    d.SelectPen(kBlue);
    d.MoveTo(kFirstMonthX, kBase - static_cast<int>(runningDays[0] * kPixelsPerDay));
    for (int k = 1; k < bars; ++k)
        d.LineTo(kFirstMonthX + 1 + MonthOffset(k), kBase - static_cast<int>(runningDays[k] * kPixelsPerDay));
    GraphText(d, 106, 5, Heading(series[o].key, o > 0, bars, average));
    return d;
}

}  // namespace kestrowa
