#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Profile.h"
#include "platform/Shell.h"

namespace kestrowa {

// The caption of the recorder's message boxes.
inline constexpr const char* kRecorderCaption = "Kestrowa";

// The Windows family decides the status window's base position and the boot files.
enum class OsFamily { Nt, Win9x };

// The family from the platform id of the version information: 1 (the 95/98/Me platform) is the
// 9x family; every other id, the NT platform and anything later, is taken for the NT family.
OsFamily FamilyFromPlatformId(unsigned long platformId);

// "C:" from "C:\WINDOWS": the first two characters of the Windows directory.
std::string WindowsDriveOf(std::string_view windowsDirectory);
// Windows drive + "\WINDOWS\ORVELLE.INI": the viewer's settings file as the recorder finds it.
std::string ViewerSettingsPath(std::string_view windowsDrive);
// Application folder + "Orvelle\ORVELLE.EXE".
std::string ViewerProgramPath(std::string_view applicationFolder);
// Shown (exclamation icon) when the own log does not open for reading, and the viewer is not
// started.
inline constexpr const char* kViewerNotYetText = "「稼動状況の表示」は次回より有効となります。";

// The Startup folder the shortcut goes to: the current user's, as the shell names it; when it
// names none, the fixed folder of the family on the Windows drive.
std::string StartupFolder(const Shell& shell, OsFamily family, std::string_view windowsDrive);

// The viewer's window: position (20, 55), 691 × 504 pixels.
struct ViewerWindow {
    int x = 20;
    int y = 55;
    int width = 691;
    int height = 504;
};

// The Yes/No question asked when the stored application folder is not the running one.
std::string ApplicationFolderQuestion(std::string_view storedFolder, std::string_view currentFolder);

// The application-folder check of the first initialisation: an empty `AppDir` takes the current
// folder silently; a different one asks `askYesNo` (question text → Yes) and is rewritten only on
// Yes; an equal one (exact comparison) is left alone.
void CheckApplicationFolder(Profile& profile, const std::string& currentFolder,
                            const std::function<bool(const std::string& question)>& askYesNo);

// `WinDrive` takes the current Windows drive when it is empty or different; no question.
void CheckWindowsDrive(Profile& profile, const std::string& currentDrive);

// Positions of the system-menu entries to remove, one after another, after the about item was
// appended: 0, 0, 0, 1, 1, 1 when the end command is barred from the start (the tray method),
// else 0, 0, 1, 1.
std::vector<int> SystemMenuRemovals(bool endBarredFromStart);

}  // namespace kestrowa
