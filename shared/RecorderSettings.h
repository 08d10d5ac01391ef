#pragma once
#include <string>
#include <string_view>

#include "platform/Profile.h"

namespace kestrowa {

// The recorder's settings and state: every value lies in the section "System" of its profile
// (HKEY_CURRENT_USER\Software\Nimbra\Kestrowa\System).
inline constexpr std::string_view kRecorderSection = "System";
inline constexpr const char* kProfileRoot = "Software\\Nimbra";
inline constexpr const char* kRecorderProfileName = "Kestrowa";

struct IntSetting {
    std::string_view name;
    int fallback;
};
struct TextSetting {
    std::string_view name;
};

namespace recorder_key {
inline constexpr TextSetting AppDir{"AppDir"};
inline constexpr TextSetting WinDrive{"WinDrive"};
inline constexpr TextSetting LastStart{"LastStart"};
inline constexpr TextSetting LastWindwsEnd{"LastWindwsEnd"};
inline constexpr IntSetting DayCount{"DayCount", 1};
inline constexpr IntSetting DayCountFlag{"DayCountFlag", 1};
inline constexpr IntSetting PresentYear{"PresentYear", 0};
inline constexpr IntSetting PresentMonth{"PresentMonth", 0};
inline constexpr IntSetting PresentDate{"PresentDate", 0};
inline constexpr IntSetting PresentHour{"PresentHour", 0};
inline constexpr IntSetting PresentMinute{"PresentMinute", 0};
inline constexpr IntSetting PresentSecond{"PresentSecond", 0};
inline constexpr IntSetting Correct{"Correct", 2};
inline constexpr IntSetting AptnSet{"AptnSet", 0};
inline constexpr IntSetting StartUpIdok{"StartUpIdok", 0};
inline constexpr IntSetting ShortCut{"ShortCut", 0};
inline constexpr IntSetting StopWatch{"StopWatch", 1};
inline constexpr IntSetting Sec{"Sec", 5};
inline constexpr IntSetting UpDown{"UpDown", 0};
inline constexpr IntSetting LeftRight{"LeftRight", 0};
inline constexpr IntSetting ManthiyTime{"ManthiyTime", 1};
inline constexpr IntSetting MonthTimeForm{"MonthTimeForm", 1};
}  // namespace recorder_key

// Start methods (AptnSet).
inline constexpr int kStartManual = 0;
inline constexpr int kStartTray = 1;
inline constexpr int kStartStartupFolder = 2;

inline int Read(const Profile& p, IntSetting s) { return p.ReadInt(kRecorderSection, s.name, s.fallback); }
inline void Write(Profile& p, IntSetting s, int v) { p.WriteInt(kRecorderSection, s.name, v); }
inline std::string Read(const Profile& p, TextSetting s) { return p.ReadText(kRecorderSection, s.name, ""); }
inline void Write(Profile& p, TextSetting s, std::string_view v) { p.WriteText(kRecorderSection, s.name, v); }

}  // namespace kestrowa
