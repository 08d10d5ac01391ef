#include "viewer/ViewerSettings.h"

#include "shared/Strings.h"

namespace kestrowa {

std::string SubFileKey(int n) { return Format("SubFile%d", n); }

ViewerSettings ReadViewerSettings(Profile& profile, std::string_view windowsDirectory) {
    using namespace viewer_key;
    ViewerSettings s;
    s.editor = ReadViewer(profile, Editor);
    if (s.editor.empty()) {
        s.editor = std::string(windowsDirectory) + kDefaultEditorName;
        WriteViewer(profile, Editor, s.editor);
    }
    s.logFile = ReadViewer(profile, LogFile);
    s.secondLog = ReadViewer(profile, SecondLog);
    s.monthLabel = ReadViewer(profile, MonthLabel);
    s.weekRecord = ReadViewer(profile, WeekRecord);
    s.hundredMark = ReadViewer(profile, HundredMark);
    s.chosenLog = ReadViewer(profile, CombSelectNo);
    s.periodViewAtEnd = ReadViewer(profile, PeriodLastPosition);
    s.yearMonthViewAtEnd = ReadViewer(profile, CarrerLastPosition);
    s.perStartViewAtEnd = ReadViewer(profile, DayLastPosition);
    s.dailyViewAtEnd = ReadViewer(profile, MnthLastPosition);
    s.timeMode = ReadViewer(profile, TimeMode);
    s.settingsPage = ReadViewer(profile, TabNo);
    return s;
}

}  // namespace kestrowa
