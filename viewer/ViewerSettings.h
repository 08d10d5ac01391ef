#pragma once
#include <string>
#include <string_view>

#include "platform/Profile.h"
#include "shared/RecorderSettings.h"

namespace kestrowa {

// The viewer's options live in ORVELLE.INI: display options and file choices in "System", the
// last period entered in the period view in "Period".
inline constexpr std::string_view kViewerSection = "System";
inline constexpr std::string_view kPeriodSection = "Period";
inline constexpr const char* kViewerProfileFile = "ORVELLE.INI";
// Appended to the Windows directory when no editor has been chosen.
inline constexpr const char* kDefaultEditorName = "\\NOTEPAD.EXE";

namespace viewer_key {
inline constexpr TextSetting Editor{"Editor"};
inline constexpr TextSetting LogFile{"LogFile"};
inline constexpr TextSetting SecondLog{"SecondLog"};
inline constexpr IntSetting MonthLabel{"MonthLabel", 0, 0, 1};
inline constexpr IntSetting WeekRecord{"WeekRecord", 1, 0, 1};
inline constexpr IntSetting HundredMark{"HundredMark", 0, 0, 1};
// An index into the log list, which holds at most ten entries.
inline constexpr IntSetting CombSelectNo{"CombSelectNo", 0, 0, 9};
inline constexpr IntSetting PeriodLastPosition{"PeriodLastPosition", 1, 0, 1};
inline constexpr IntSetting CarrerLastPosition{"CarrerLastPosition", 1, 0, 1};
inline constexpr IntSetting DayLastPosition{"DayLastPosition", 1, 0, 1};
inline constexpr IntSetting MnthLastPosition{"MnthLastPosition", 1, 0, 1};
inline constexpr IntSetting TimeMode{"TimeMode", 0, 0, 1};
inline constexpr IntSetting TabNo{"TabNo", 1, 0, 1};
// Further logs of the log list: SubFile2 .. SubFile9.
inline constexpr int kFirstSubFile = 2;
inline constexpr int kLastSubFile = 9;

// Section "Period"; every value is a text, "" by default.
inline constexpr TextSetting StartYearDay{"StartYearDay"};
inline constexpr TextSetting StartMonthDay{"StartMonthDay"};
inline constexpr TextSetting StartDayDay{"StartDayDay"};
inline constexpr TextSetting LastYearDay{"LastYearDay"};
inline constexpr TextSetting LastMonthDay{"LastMonthDay"};
inline constexpr TextSetting LastDayDayDay{"LastDayDayDay"};
inline constexpr TextSetting StartYearMth{"StartYearMth"};
inline constexpr TextSetting StartMonthMth{"StartMonthMth"};
inline constexpr TextSetting LastYearMth{"LastYearMth"};
inline constexpr TextSetting LastMonthMth{"LastMonthMth"};
}  // namespace viewer_key

// Name of the n-th further log key, "SubFile2" .. "SubFile9".
std::string SubFileKey(int n);

// Time display (TimeMode).
inline constexpr int kTimeHoursMinutes = 0;
inline constexpr int kTimeDecimal = 1;

// The "System" values the main window keeps from its construction on.
struct ViewerSettings {
    std::string editor;
    std::string logFile;
    std::string secondLog;
    int monthLabel = viewer_key::MonthLabel.fallback;
    int weekRecord = viewer_key::WeekRecord.fallback;
    int hundredMark = viewer_key::HundredMark.fallback;
    int chosenLog = viewer_key::CombSelectNo.fallback;
    int periodViewAtEnd = viewer_key::PeriodLastPosition.fallback;
    int yearMonthViewAtEnd = viewer_key::CarrerLastPosition.fallback;
    int perStartViewAtEnd = viewer_key::DayLastPosition.fallback;
    int dailyViewAtEnd = viewer_key::MnthLastPosition.fallback;
    int timeMode = viewer_key::TimeMode.fallback;
    int settingsPage = viewer_key::TabNo.fallback;
};

inline int ReadViewer(const Profile& p, IntSetting s) { return ReadInRange(p, kViewerSection, s); }
inline std::string ReadViewer(const Profile& p, TextSetting s) { return p.ReadText(kViewerSection, s.name, ""); }
inline void WriteViewer(Profile& p, IntSetting s, int v) { p.WriteInt(kViewerSection, s.name, v); }
inline void WriteViewer(Profile& p, TextSetting s, std::string_view v) { p.WriteText(kViewerSection, s.name, v); }

// Reads every "System" value but the further logs. An empty Editor becomes the Windows
// directory followed by "\NOTEPAD.EXE" and is written back at once, so the file names it from
// the first start on.
ViewerSettings ReadViewerSettings(Profile& profile, std::string_view windowsDirectory);

}  // namespace kestrowa
