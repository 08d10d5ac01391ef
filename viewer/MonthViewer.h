#pragma once
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "viewer/MonthModel.h"
#include "viewer/Views.h"

namespace kestrowa {

// What one build of the list view gives the main window: the list and the summary texts.
struct ViewResult {
    Table table;
    SummaryTexts summary;
};

// The main window's month and view state without the window: the start moment, the shown month,
// the model read for it and the key of the list last built, so that a view is rebuilt only when
// its month or kind changed.
class MonthViewer {
public:
    // The settings are read when the main window is made; the rest is known from its first
    // initialisation on (Start).
    explicit MonthViewer(ViewerSettings settings);
    MonthViewer(ViewerSettings settings, std::string ownLogPath, const DateTime& now);
    // `ownLogPath` is the own log (`OwnLogPath` of the application folder); `now` the start
    // moment, which gives today's date, the shown month and the now line and is never refreshed.
    void Start(std::string ownLogPath, const DateTime& now);

    // The file shown: the second log when one is set, else the own log.
    std::string LogPath() const;
    // The same with what its reading needs: whether it is the own log, and the now line.
    LogRead Log() const;
    std::string Title() const;

    ViewOptions& Options() { return options_; }
    const ViewOptions& Options() const { return options_; }
    const MonthModel& Model() const { return model_; }
    // Whether the model was read from the log (not the empty month shown in its place).
    bool ModelRead() const { return modelRead_; }
    int ShownYear() const { return shownYear_; }
    int ShownMonth() const { return shownMonth_; }
    ViewKind View() const { return view_; }
    // The month of the list last built; -1 after the year-month view, so that any month or
    // view asked for next is built anew.
    int LoadedYear() const { return loadedYear_; }
    int LoadedMonth() const { return loadedMonth_; }

    // Reads a month of the log into the model. When it was read the view returns to the
    // calendar and the next ShowView rebuilds; when the log cannot be read the model keeps the
    // month it held and false is returned.
    bool ReadMonth(int year, int month);
    // The shown month without sessions, in place of one that could not be read: the main
    // window opens on it when there is no log.
    void ShowEmptyMonth();
    // Builds the list for a view; nullopt when the calendar, daily or per-start view asked for
    // shows already (or the log cannot be read for the year-month view).
    std::optional<ViewResult> ShowView(ViewKind view);
    // Scans the whole log for the year-month view; the next ShowView rebuilds whatever it asks
    // for. nullopt, with the view as it was, when the log cannot be read.
    std::optional<ViewResult> ShowYearMonth();

    // After a change of the time display or the monthly summary: the total and, with the start
    // count summary, the average per start in the time display now set.
    void ApplyTimeMode();
    // Builds `view` anew after a change of the display settings. With `reread` the shown month
    // is read again first from the log in use; a month that cannot be read shows empty, in the
    // calendar.
    std::optional<ViewResult> Redisplay(ViewKind view, bool reread);

private:
    // Reads the shown month into the model; the next ShowView rebuilds.
    bool ReadShownMonth();

    ViewOptions options_;
    std::string ownLogPath_;
    std::string nowLine_;
    std::string nowCaption_;
    MonthModel model_;
    bool modelRead_ = false;
    int shownYear_ = 0;
    int shownMonth_ = 0;
    ViewKind view_ = ViewKind::Calendar;
    int loadedYear_ = -1;
    int loadedMonth_ = -1;
    ViewKind loadedView_ = ViewKind::Calendar;
    bool calendarBuilt_ = false;
};

}  // namespace kestrowa
