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

// Where the dialog opens, in its dialog units from the status window's top left corner: above it.
inline constexpr int kSettingsDialogOffsetX = 0;
inline constexpr int kSettingsDialogOffsetY = -230;
// The display intervals offered, in seconds, one radio button each in this order. Another
// stored value leaves every radio unchecked.
inline constexpr std::array<int, 6> kIntervalChoices{1, 2, 5, 10, 30, 60};
// The index of an interval among the choices, or nothing.
std::optional<size_t> IntervalChoice(int seconds);

// An offset of the status window moved by `step` pixels; it stays within the range its setting
// reads back.
int MovedOffset(int offset, int step);
// An offset as the position page shows it, with its sign when negative.
std::string OffsetText(int offset);

}  // namespace kestrowa
