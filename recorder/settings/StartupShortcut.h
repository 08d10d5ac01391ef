#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Directory.h"
#include "platform/Profile.h"
#include "platform/Shell.h"
#include "shared/RecorderSettings.h"

namespace kestrowa {

// The recorder's shortcut in the Startup folder and the program it starts.
inline constexpr const char* kShortcutFileName = "KESTROWA.EXEのショートカット.lnk";
inline constexpr const char* kRecorderProgramName = "KESTROWA.EXE";

inline constexpr const char* kShortcutNoticeText = "スタートアップに\nショートカットを登録します！";
inline constexpr const char* kShortcutCreatedText = "スタートアップに\nショートカットを登録しました！";
inline constexpr const char* kShortcutFailedText =
    "スタートアップに\nショートカットを登録できませんでした。\r\n手動で登録してください！";

// The question before a shortcut of the recorder is deleted from the Startup folder (Yes/No).
std::string RemoveShortcutQuestion(std::string_view fileName);

// The names of the shortcut files (".lnk", any case) among `entries` that start `program`, in
// listing order: folders and links are passed over, and so is a file whose target `targetOf`
// cannot read. Paths compare without regard to ASCII case, as Windows compares them.
std::vector<std::string> OwnShortcuts(const std::vector<DirectoryEntry>& entries, std::string_view program,
                                      const std::function<std::optional<std::string>(const std::string& name)>& targetOf);

// How the shortcut steps speak to the user: a message with the exclamation icon and OK, and a
// Yes/No question (true: Yes).
struct ShortcutPrompts {
    std::function<void(const std::string& text)> tell;
    std::function<bool(const std::string& question)> ask;
};

// The recorder's shortcut in the Startup folder, so that Windows starts it at log-on.
class StartupShortcuts {
public:
    StartupShortcuts(Shell& shell, Directory& directory, std::string startupFolder, std::string applicationFolder,
                     ShortcutPrompts prompts);

    // Says what it does, saves the shortcut (replacing one of the same name) and says whether it
    // could; when it could not, the user is asked to register it by hand.
    void Create();
    // Offers each shortcut of the folder that starts this recorder, by name, and deletes it on
    // Yes. Other programs' shortcuts are neither offered nor touched.
    void RemoveOwn();

    // As the settings dialog closes, confirmed or not: the shortcut follows the start method.
    // Manual: the recorder's shortcuts are removed when `ShortCut` says one was made, and
    // `ShortCut` becomes 0. Tray or Startup folder: one is made when `ShortCut` is 0, and
    // `ShortCut` becomes 1 even when that failed (the message asked for it to be made by hand).
    void Align(StartMethod method, Profile& profile);

    std::string ProgramPath() const { return applicationFolder_ + kRecorderProgramName; }
    std::string ShortcutPath() const { return startupFolder_ + kShortcutFileName; }

private:
    Shell& shell_;
    Directory& directory_;
    std::string startupFolder_;
    std::string applicationFolder_;
    ShortcutPrompts prompts_;
};

}  // namespace kestrowa
