#include "viewer/MonthViewer.h"

#include "shared/SessionScanner.h"

namespace kestrowa {

MonthViewer::MonthViewer(ViewerSettings settings) { options_.settings = std::move(settings); }

MonthViewer::MonthViewer(ViewerSettings settings, std::string ownLogPath, const DateTime& now)
    : MonthViewer(std::move(settings)) {
    Start(std::move(ownLogPath), now);
}

void MonthViewer::Start(std::string ownLogPath, const DateTime& now) {
    ownLogPath_ = std::move(ownLogPath);
    nowLine_ = kestrowa::NowLine(now);
    nowCaption_ = kestrowa::NowCaption(now);
    options_.today = now;
    shownYear_ = now.year;
    shownMonth_ = now.month;
}

std::string MonthViewer::LogPath() const { return ChooseLog(ownLogPath_, options_.settings.secondLog).path; }

LogRead MonthViewer::Log() const {
    const ChosenLog log = ChooseLog(ownLogPath_, options_.settings.secondLog);
    return {log.path, log.own, nowLine_};
}

std::string MonthViewer::Title() const { return WindowTitle(options_.settings.secondLog, nowCaption_); }

bool MonthViewer::ReadMonth(int year, int month) {
    shownYear_ = year;
    shownMonth_ = month;
    if (!ReadShownMonth()) return false;
    view_ = ViewKind::Calendar;
    return true;
}

bool MonthViewer::ReadShownMonth() {
    if (!kestrowa::ReadMonth(Log(), shownYear_, shownMonth_, options_.settings.timeMode, model_)) return false;
    modelRead_ = true;
    loadedYear_ = loadedMonth_ = -1;
    calendarBuilt_ = false;
    return true;
}

void MonthViewer::ShowEmptyMonth() {
    model_ = EmptyMonth(shownYear_, shownMonth_, options_.settings.timeMode);
    modelRead_ = false;
    view_ = ViewKind::Calendar;
    loadedYear_ = loadedMonth_ = -1;
    calendarBuilt_ = false;
}

std::optional<ViewResult> MonthViewer::ShowView(ViewKind view) {
    if (view == ViewKind::YearMonth) return ShowYearMonth();
    view_ = view;
    if (shownYear_ == loadedYear_ && shownMonth_ == loadedMonth_ && view_ == loadedView_) return std::nullopt;
    ViewResult result;
    // The calendar's weekly summary corrects the model's day count and averages that every
    // month view shows, so a month read is always laid out as a calendar first.
    if (view == ViewKind::Calendar || !calendarBuilt_) result.table = BuildCalendarView(model_, options_);
    calendarBuilt_ = true;
    if (view == ViewKind::Daily) result.table = BuildDailyView(model_, options_);
    if (view == ViewKind::PerStart) result.table = BuildPerStartView(model_, options_);
    result.summary = MonthSummaryTexts(model_, view_, options_);
    loadedYear_ = shownYear_;
    loadedMonth_ = shownMonth_;
    loadedView_ = view_;
    return result;
}

std::optional<ViewResult> MonthViewer::ShowYearMonth() {
    std::optional<YearMonthView> built = BuildYearMonthView(LogPath(), options_);
    if (!built) return std::nullopt;
    view_ = ViewKind::YearMonth;
    loadedYear_ = loadedMonth_ = -1;
    return ViewResult{std::move(built->table), std::move(built->summary)};
}

void MonthViewer::ApplyTimeMode() {
    // With the day count summary the average text is the calendar's own, rebuilt with it.
    const std::string average = model_.averageText;
    kestrowa::ApplyTimeMode(model_, options_.settings.timeMode);
    if (options_.settings.monthLabel == 1) model_.averageText = average;
}

std::optional<ViewResult> MonthViewer::Redisplay(ViewKind view, bool reread) {
    if (reread && !ReadShownMonth()) {
        ShowEmptyMonth();
        view = ViewKind::Calendar;
    }
    loadedYear_ = loadedMonth_ = -1;
    // The calendar's weekly summary corrects the model by the settings now in force.
    calendarBuilt_ = false;
    return ShowView(view);
}

}  // namespace kestrowa
