#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Directory.h"
#include "recorder/RecorderEnvironment.h"

namespace kestrowa {

// The recorder's shortcut in the Startup folder and the program it starts.
inline constexpr const char* kShortcutFileName = "KESTROWA.EXEのショートカット.lnk";
inline constexpr const char* kRecorderProgramName = "KESTROWA.EXE";

inline constexpr const char* kShortcutNoticeText = "スタートアップに\nショートカットを登録します！";
inline constexpr const char* kShortcutCreatedText = "スタートアップに\nショートカットを登録しました！";
inline constexpr const char* kShortcutFailedText =
    "スタートアップに\nショートカットを登録できませんでした。\r\n手動で登録してください！";

// The Startup folder, with its trailing backslash: the one the system names for the current user
// when it can say (`lookedUp`), else the fixed folder of the family under the Windows drive.
std::string StartupFolderPath(const std::optional<std::string>& lookedUp, OsFamily family,
                              std::string_view windowsDrive);

// The question before a shortcut of the recorder is deleted from the Startup folder (Yes/No).
std::string RemoveShortcutQuestion(std::string_view fileName);

// The names of the shortcut files (".lnk", any case) among `entries` that start `program`, in
// listing order: folders and links are passed over, and so is a file whose target `targetOf`
// cannot read. Paths compare without regard to ASCII case, as Windows compares them.
std::vector<std::string> OwnShortcuts(const std::vector<DirectoryEntry>& entries, std::string_view program,
                                      const std::function<std::optional<std::string>(const std::string& name)>& targetOf);

}  // namespace kestrowa
