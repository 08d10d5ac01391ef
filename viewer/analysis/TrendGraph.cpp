#include "viewer/analysis/TrendGraph.h"

#include <algorithm>
#include <cstdlib>

#include "shared/Hours.h"
#include "shared/Strings.h"
#include "viewer/analysis/GraphCanvas.h"

namespace kestrowa {

namespace {

constexpr int kMonthDays = 31;
constexpr double kLargeDayHours = 7.5;

// The day graph's frame: baseline, left and right axes, and the spacing of days.
constexpr int kBase = 175;
constexpr int kTop = 20;
constexpr int kLeft = 34;
constexpr int kRight = 437;
constexpr int kDayStep = 13;
constexpr int kFirstBarLeft = 38;
constexpr int kBarWidth = 10;
constexpr int kBarsEndBefore = 441;
constexpr int kFirstTotalX = 43;
constexpr int kTotalEndsBefore = 446;
// The heading stands in the top line between the two axes' titles, above any bar.
constexpr int kHeadingX = 106;
// From this month total on the running total rises half a pixel per hour, not one.
constexpr float kLargeMonthHours = 150.0f;

Colour WeekdayColour(int weekday) {
    if (weekday == 0) return kGraphRed;
    if (weekday == 6) return kBlue;
    return kGraphGreen;
}

}  // namespace

DayValues DayValuesOf(const std::vector<DayEntry>& days) {
    DayValues values;
    size_t next = 0;
    for (int day = 1; day <= kMonthDays && next < days.size(); ++day) {
        if (DayNumber(days[next].date) != day) {
            values.bars.push_back(0);
            continue;
        }
        values.bars.push_back(static_cast<int>(std::atof(days[next].hours.c_str()) * 10.0));
        ++next;
    }
    for (const DayEntry& d : days) values.largest = std::max(values.largest, std::atof(d.hours.c_str()));
    return values;
}

double DayScaleFor(double largestDay) { return largestDay >= kLargeDayHours ? 1.0 : 2.0; }

void ReadGraphMonth(const LogRead& log, int year, int month, DailyGraph& graph) {
    MonthModel m = EmptyMonth(year, month, kTimeHoursMinutes);
    graph.logRead = ReadMonth(log, year, month, kTimeHoursMinutes, m);
    graph.year = year;
    graph.month = month;
    graph.firstWeekday = m.firstWeekday;
    graph.totalMinutes = m.totalMinutes;
    graph.dayBars.clear();
    if (!m.hasLines) return;
    DayValues values = DayValuesOf(m.days);
    graph.dayBars = std::move(values.bars);
    graph.dayScale = DayScaleFor(values.largest);
}

DrawList DrawDailyGraph(const DailyGraph& g) {
    DrawList d;
    d.SelectPen(kBlue, 2);
    d.Line(kLeft, kBase, kLeft, kTop);
    d.Line(kRight, kBase, kRight, kTop);
    d.SelectPen(kBlack);
    d.Line(kLeft, kBase, kRight, kBase);
    SelectGraphFont(d);

    const float total = HoursFromMinutes(g.totalMinutes);
    const bool largeMonth = total >= kLargeMonthHours;
    for (int k = 1; k <= 3; ++k) {
        const int y = kBase - 50 * k;
        d.Line(kLeft, y, kRight, y);
        GraphText(d, 12, y - 5, g.dayScale == 1.0 ? PaddedInteger(5 * k, 2) : PaddedDecimal(2.5 * k, 0, 1));
        GraphText(d, 442, y - 5, PaddedInteger((largeMonth ? 100 : 50) * k, 3));
    }
    GraphText(d, 14, 5, "日毎の稼動時間");
    GraphText(d, 394, 5, "月間の累計時間");
    GraphText(d, 441, 147, "赤:日曜");
    GraphText(d, 441, 159, "青:土曜");
    if (g.logRead) GraphText(d, kHeadingX, 5, Format("［%d年 %d月］ 計：%.2f 時間", g.year, g.month, total));

    for (int i = 0; i < kMonthDays; ++i) {
        const int x = kDayStep * i + 42;
        d.Line(x, kBase, x, kBase + 3);
        if (i == 0 || (i + 1) % 5 == 0) GraphText(d, kDayStep * i + 36, 180, PaddedInteger(i + 1, 2));
    }
    GraphText(d, 446, 180, "(日)");
    for (int y = kBase - 10; y >= 35; y -= 10) d.Line(kLeft, y, kLeft + 3, y);

    for (size_t i = 0; i < g.dayBars.size(); ++i) {
        const int x = kFirstBarLeft + kDayStep * static_cast<int>(i);
        if (x >= kBarsEndBefore) break;
        d.SelectBrush(WeekdayColour((g.firstWeekday + static_cast<int>(i)) % 7));
        // A day longer than the scale's top ends at the frame, below the texts.
        const int top = std::max(kTop, kBase - static_cast<int>(g.dayBars[i] * g.dayScale));
        d.Rectangle({x, top, x + kBarWidth, kBase + 1});
    }

    if (g.dayBars.empty()) return d;
    const double factor = largeMonth ? 0.05 : 0.1;
    d.SelectPen(kGraphRed);
    d.MoveTo(kFirstBarLeft, kBase);
    int sum = 0;
    for (size_t i = 0; i < g.dayBars.size(); ++i) {
        const int x = kFirstTotalX + kDayStep * static_cast<int>(i);
        if (x >= kTotalEndsBefore) break;
        sum += g.dayBars[i];
        d.LineTo(x, kBase - static_cast<int>(sum * factor));
    }
    return d;
}

TrendGraphOpening TrendGraphOpeningOf(const MonthViewer& viewer) {
    const MonthModel& m = viewer.Model();
    return {viewer.Options().today, m.year,       m.month,          m.firstWeekday, m.totalMinutes,
            viewer.View(),          viewer.Log(), viewer.ModelRead(), m.days};
}

TrendGraph::TrendGraph(TrendGraphOpening opening)
    : todayYear_(opening.today.year),
      todayMonth_(opening.today.month),
      log_(std::move(opening.log)),
      mode_(opening.mainView == ViewKind::YearMonth ? GraphMode::YearMonth : GraphMode::CurrentMonth) {
    daily_.year = opening.year;
    daily_.month = opening.month;
    daily_.firstWeekday = opening.firstWeekday;
    daily_.totalMinutes = opening.totalMinutes;
    daily_.logRead = opening.logRead;
    DayValues values = DayValuesOf(opening.days);
    daily_.dayBars = std::move(values.bars);
    daily_.dayScale = DayScaleFor(values.largest);
}

void TrendGraph::ChooseCurrentMonth() { mode_ = GraphMode::CurrentMonth; }

void TrendGraph::ChooseYearMonth() {
    mode_ = GraphMode::YearMonth;
    window_ = MonthWindow::Latest;
}

void TrendGraph::PressFirst() {
    if (mode_ == GraphMode::YearMonth) {
        window_ = MonthWindow::First;
        return;
    }
    if (daily_.month == 1) StepTo(daily_.year - 1, 12);
    else StepTo(daily_.year, daily_.month - 1);
}

void TrendGraph::PressSecond() {
    if (mode_ == GraphMode::YearMonth) {
        window_ = MonthWindow::Latest;
        return;
    }
    int year = daily_.month == 12 ? daily_.year + 1 : daily_.year;
    int month = daily_.month == 12 ? 1 : daily_.month + 1;
    if (year > todayYear_ || (year == todayYear_ && month > todayMonth_)) {
        year = todayYear_;
        month = todayMonth_;
    }
    StepTo(year, month);
}

void TrendGraph::StepTo(int year, int month) { ReadGraphMonth(log_, year, month, daily_); }

TrendGraphControls TrendGraph::Controls() const {
    TrendGraphControls c;
    if (mode_ == GraphMode::CurrentMonth) {
        c.title = "　稼働時間の推移図（月別：日毎）";
        c.firstCaption = "　前の月へ";
        c.secondCaption = "　次の月へ";
        return c;
    }
    c.title = "　稼働時間の推移図(年月別)";
    c.yearMonth = true;
    c.firstCaption = "最初から96ヶ月間";
    c.secondCaption = "最新の96ヶ月間";
    c.firstChecked = window_ == MonthWindow::First;
    c.secondChecked = window_ == MonthWindow::Latest;
    return c;
}

DrawList TrendGraph::Draw(Size area) const {
    if (mode_ == GraphMode::CurrentMonth) return InGraphArea(DrawDailyGraph(daily_), area);
    return InGraphArea(DrawMonthlyGraph(ReadMonthSeries(log_.path).value_or(std::vector<MonthSlot>{}), window_), area);
}

}  // namespace kestrowa
