#pragma once
#include <array>
#include <optional>
#include <string>

namespace kestrowa {

// The settings dialog's tabs, in order; it always opens on the first.
inline constexpr std::array<const char*, 5> kSettingsTabTexts{"起動方法", "利用環境", "表示位置", "ﾛｸﾞﾌｧｲﾙ", "時間告知"};
inline constexpr int kLogFileTab = 3;

// The status line's text when a tab is chosen; nothing when the tab leaves it as it was.
std::optional<std::string> SettingsStatusLine(int tab);

// The boot-time corrections offered, in the order of their `Correct` values 0 to 4.
inline constexpr std::array<const char*, 5> kCorrectionItems{"しない", "１分", "２分", "３分", "Windowsの起動時刻"};

// The display intervals offered, in seconds, one radio button each in this order. Another
// stored value leaves every radio unchecked.
inline constexpr std::array<int, 6> kIntervalChoices{1, 2, 5, 10, 30, 60};
// The index of an interval among the choices, or nothing.
std::optional<size_t> IntervalChoice(int seconds);

}  // namespace kestrowa
