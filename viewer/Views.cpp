#include "viewer/Views.h"

#include "shared/Strings.h"

namespace kestrowa {

std::string ViewTitle(ViewKind view) {
    switch (view) {
    case ViewKind::Calendar: return "日毎の稼働時間と起動回数        ";
    case ViewKind::Daily: return "日毎の起動、終了時刻及び稼働時間等";
    case ViewKind::PerStart: return "起動毎の開始・終了時刻及び稼働時間";
    case ViewKind::YearMonth: return "年月毎の稼働時間と起動回数      ";
    }
    return {};
}

std::string MonthCaption(int year, int month) { return Format("%4d年%2d月 ", year, month); }

std::string TimeUnitLabel(int timeMode) { return timeMode == kTimeDecimal ? "(*.*時間)" : "(時:分)"; }

SummaryTexts MonthSummaryTexts(const MonthModel& model, ViewKind view, const ViewOptions& options) {
    const ViewerSettings& s = options.settings;
    SummaryTexts t;
    t.caption = MonthCaption(model.year, model.month);
    t.title = ViewTitle(view);
    t.total = model.totalText;
    if (s.monthLabel == 1) {
        t.countLabel = "稼働日数";
        t.count = model.dayCounterText;
        t.average = s.timeMode == kTimeDecimal ? model.averagePerDayDecimal : model.averagePerDayHm;
    } else {
        t.countLabel = "起動回数";
        t.count = PaddedInteger(static_cast<int>(model.sessions.size()), 2);
        t.average = model.averageText;
    }
    t.unit = TimeUnitLabel(s.timeMode);
    t.group = " 月別 ";
    return t;
}

}  // namespace kestrowa
