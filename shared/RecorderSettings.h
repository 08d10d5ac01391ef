#pragma once
#include <climits>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/Clock.h"
#include "platform/Profile.h"

namespace kestrowa {

// The recorder's settings and state: every value lies in the section "System" of its profile
// (HKEY_CURRENT_USER\Software\Nimbra\Kestrowa\System).
inline constexpr std::string_view kRecorderSection = "System";
inline constexpr const char* kProfileRoot = "Software\\Nimbra";
inline constexpr const char* kRecorderProfileName = "Kestrowa";

// An integer value with its default and the range a program can work with. Anyone may edit the
// registry or an INI file: a stored value outside [low, high] reads as the default, as a
// missing one does. The default need not lie in the range (0 for "none stored").
struct IntSetting {
    std::string_view name;
    int fallback;
    int low = INT_MIN;
    int high = INT_MAX;
};
struct TextSetting {
    std::string_view name;
};

namespace recorder_key {
inline constexpr TextSetting AppDir{"AppDir"};
inline constexpr TextSetting WinDrive{"WinDrive"};
inline constexpr TextSetting LastStart{"LastStart"};
inline constexpr TextSetting LastWindwsEnd{"LastWindwsEnd"};
// The lines the log could not take yet, in the file's form with CR LF each, in order; a leading
// "+" marks a first line cut short in the file, of which the rest is kept. Empty: none. Only the
// recorder's own line forms are taken (`PendingText`); anything else reads as empty.
inline constexpr TextSetting PendingLines{"PendingLines"};
// Counted up at each start of the day; the bound keeps "%2d回目の起動" a count and the +1 in range.
inline constexpr IntSetting DayCount{"DayCount", 1, 1, 99999};
inline constexpr IntSetting DayCountFlag{"DayCountFlag", 1, 0, 1};
// The stored PC start time; a year outside the years a running PC can have means none stored.
inline constexpr IntSetting PresentYear{"PresentYear", 0, 1980, 2099};
inline constexpr IntSetting PresentMonth{"PresentMonth", 0, 1, 12};
inline constexpr IntSetting PresentDate{"PresentDate", 0, 1, 31};
inline constexpr IntSetting PresentHour{"PresentHour", 0, 0, 23};
inline constexpr IntSetting PresentMinute{"PresentMinute", 0, 0, 59};
inline constexpr IntSetting PresentSecond{"PresentSecond", 0, 0, 59};
inline constexpr IntSetting Correct{"Correct", 2, 0, 4};
inline constexpr IntSetting AptnSet{"AptnSet", 0, 0, 2};
inline constexpr IntSetting StartUpIdok{"StartUpIdok", 0, 0, 1};
inline constexpr IntSetting ShortCut{"ShortCut", 0, 0, 1};
inline constexpr IntSetting StopWatch{"StopWatch", 1, 0, 1};
// Seconds between full refreshes of the status window; the dialog offers 1 to 60.
inline constexpr IntSetting Sec{"Sec", 5, 1, 60};
// Pixel offsets of the status window from its base position.
inline constexpr IntSetting UpDown{"UpDown", 0, -32768, 32767};
inline constexpr IntSetting LeftRight{"LeftRight", 0, -32768, 32767};
inline constexpr IntSetting ManthiyTime{"ManthiyTime", 1, 0, 1};
inline constexpr IntSetting MonthTimeForm{"MonthTimeForm", 1, 0, 1};
}  // namespace recorder_key

// The one read path of every integer setting of both programs: the stored value when it lies
// in the key's range, else the key's default.
inline int ReadInRange(const Profile& p, std::string_view section, IntSetting s) {
    const int value = p.ReadInt(section, s.name, s.fallback);
    return value < s.low || value > s.high ? s.fallback : value;
}

inline int Read(const Profile& p, IntSetting s) { return ReadInRange(p, kRecorderSection, s); }
inline void Write(Profile& p, IntSetting s, int v) { p.WriteInt(kRecorderSection, s.name, v); }
inline std::string Read(const Profile& p, TextSetting s) { return p.ReadText(kRecorderSection, s.name, ""); }
inline void Write(Profile& p, TextSetting s, std::string_view v) { p.WriteText(kRecorderSection, s.name, v); }
// A named choice is stored as its number.
template <typename Choice>
    requires std::is_enum_v<Choice>
void Write(Profile& p, IntSetting s, Choice c) {
    Write(p, s, static_cast<int>(c));
}

// The named choices, with the numbers the registry keeps.
enum class StartMethod { Manual = 0, Tray = 1, StartupFolder = 2 };  // AptnSet
// Correct: the shown start is moved back by one to three minutes, or to the time Windows booted.
enum class Correction { None = 0, OneMinute = 1, TwoMinutes = 2, ThreeMinutes = 3, ToBootTime = 4 };
enum class MonthTimeForm { HoursAndMinutes = 0, DecimalHours = 1 };  // MonthTimeForm
enum class TitleItem { RunningTime, StartTime };
enum class SecondRowItem { CurrentTime, LastEnd };

// The elapsed-time notice: off, first after 60 minutes of running time, then every 15.
struct NoticeSettings {
    bool on = false;
    int firstMark = 60;
    int interval = 15;
    bool operator==(const NoticeSettings&) const = default;
};

// Everything the settings dialog offers, as one value. The first group is stored; the second
// lives in memory and starts from these values at every start of the recorder.
struct RecorderSettings {
    StartMethod startMethod = static_cast<StartMethod>(recorder_key::AptnSet.fallback);
    Correction correction = static_cast<Correction>(recorder_key::Correct.fallback);
    bool endCommandInStartup = recorder_key::StartUpIdok.fallback == 1;  // StartUpIdok
    bool stopwatch = recorder_key::StopWatch.fallback == 1;              // StopWatch, from the next start
    int interval = recorder_key::Sec.fallback;                           // Sec
    int upDown = recorder_key::UpDown.fallback;
    int leftRight = recorder_key::LeftRight.fallback;
    bool showTodayCount = recorder_key::DayCountFlag.fallback == 1;  // DayCountFlag
    bool showMonth = recorder_key::ManthiyTime.fallback == 1;        // ManthiyTime
    MonthTimeForm monthTimeForm = static_cast<MonthTimeForm>(recorder_key::MonthTimeForm.fallback);

    bool restartHandling = true;  // a restart is timed from the stored PC start time
    TitleItem title = TitleItem::RunningTime;
    SecondRowItem secondRow = SecondRowItem::CurrentTime;
    bool showLetter = true;  // the start-mode letter
    bool showMark = true;    // the blinking measuring mark
    NoticeSettings notice;

    bool operator==(const RecorderSettings&) const = default;
};

// The stored values from the profile (each in its range), the others at their start values.
RecorderSettings ReadRecorderSettings(const Profile& profile);
// Writes the stored values.
void WriteRecorderSettings(Profile& profile, const RecorderSettings& settings);

// The stored PC start time, `PresentYear` to `PresentSecond` (year 0: none stored).
DateTime StoredPcStart(const Profile& profile);
void StorePcStart(Profile& profile, const DateTime& start);

}  // namespace kestrowa
