#include "recorder/RecorderEnvironment.h"

#include "shared/RecorderSettings.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {
constexpr unsigned long kPlatformWin9x = 1;
}

OsFamily FamilyFromPlatformId(unsigned long platformId) {
    return platformId == kPlatformWin9x ? OsFamily::Win9x : OsFamily::Nt;
}

std::string WindowsDriveOf(std::string_view windowsDirectory) { return std::string(Columns(windowsDirectory, 0, 2)); }

std::string ViewerSettingsPath(std::string_view windowsDrive) {
    return std::string(windowsDrive) + "\\WINDOWS\\ORVELLE.INI";
}

std::string ViewerProgramPath(std::string_view applicationFolder) {
    return std::string(applicationFolder) + "Orvelle\\ORVELLE.EXE";
}

std::string StartupFolder(const Shell& shell, OsFamily family, std::string_view windowsDrive) {
    if (std::optional<std::string> folder = shell.StartupFolder()) return *folder;
    const char* fixed = family == OsFamily::Win9x
                            ? "\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\ｽﾀｰﾄｱｯﾌﾟ\\"
                            : "\\Documents and Settings\\All Users\\スタート メニュー\\プログラム\\スタートアップ\\";
    return std::string(windowsDrive) + fixed;
}

std::string ApplicationFolderQuestion(std::string_view storedFolder, std::string_view currentFolder) {
    std::string text = "アプリケーションのフォルダーが\r\n";
    text += storedFolder;
    text += "から\r\n";
    text += currentFolder;
    text += "に変更されました。\r\n";
    text += "フォルダーを登録しなおしますか？";
    return text;
}

void CheckApplicationFolder(Profile& profile, const std::string& currentFolder,
                            const std::function<bool(const std::string& question)>& askYesNo) {
    const std::string stored = Read(profile, recorder_key::AppDir);
    if (stored.empty()) {
        Write(profile, recorder_key::AppDir, currentFolder);
    } else if (stored != currentFolder && askYesNo(ApplicationFolderQuestion(stored, currentFolder))) {
        Write(profile, recorder_key::AppDir, currentFolder);
    }
}

void CheckWindowsDrive(Profile& profile, const std::string& currentDrive) {
    const std::string stored = Read(profile, recorder_key::WinDrive);
    if (stored.empty() || stored != currentDrive) Write(profile, recorder_key::WinDrive, currentDrive);
}

std::vector<int> SystemMenuRemovals(bool endBarredFromStart) {
    if (endBarredFromStart) return {0, 0, 0, 1, 1, 1};
    return {0, 0, 1, 1};
}

}  // namespace kestrowa
