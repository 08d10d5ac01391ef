#include "recorder/RecorderApp.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/win/os/Handle.h"
#include "platform/win/ui/MessageBoxes.h"
#include "platform/win/os/IniProfile.h"
#include "platform/win/os/Module.h"
#include "platform/win/os/Mutex.h"
#include "platform/win/os/RegistryProfile.h"
#include "platform/win/os/Shell.h"
#include "platform/win/os/SystemClock.h"
#include "platform/win/os/Text.h"
#include "shared/RecorderSettings.h"

namespace kestrowa {

namespace {
constexpr const char* kInstanceMutexName = "MyInstance";

// Boot files are found by a directory search for their exact path; their last write is read
// as local time.
class SystemFileTimes : public FileTimes {
public:
    std::optional<DateTime> LastWriteTime(const std::string& path) const override {
        WIN32_FIND_DATAW found{};
        if (!FindHandle(FindFirstFileW(Utf8ToWide(path).c_str(), &found))) return std::nullopt;
        FILETIME local{};
        SYSTEMTIME t{};
        if (!FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &t))
            return std::nullopt;
        return DateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    }
};

unsigned long PlatformId() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExW(&version) ? version.dwPlatformId : VER_PLATFORM_WIN32_NT;
}
}  // namespace

RecorderSystem CRecorderApp::CurrentEnvironment() {
    RecorderSystem environment;
    environment.windowsDrive = WindowsDriveOf(WindowsDirectory());
    environment.family = FamilyFromPlatformId(PlatformId());
    environment.applicationFolder = ProgramFolder();
    environment.viewerSettingsPath = ViewerSettingsPath(environment.windowsDrive);
    return environment;
}

int CRecorderApp::Run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const InstanceMutex instance(kInstanceMutexName);
    if (instance.AnotherCopyRuns()) return 0;

    RegistryProfile profile(kProfileRoot, kRecorderProfileName);
    SystemClock clock;
    SystemPrompts prompts;
    SystemFileTimes fileTimes;
    SystemShell shell;
    SystemDirectory directory;
    SystemFileReplacer files;
    CRecorderDlg status(
        RecorderContext{clock, profile, prompts, fileTimes, shell, directory, files, CurrentEnvironment()});
    status.RunModal(nullptr);
    return 0;
}

}  // namespace kestrowa

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    kestrowa::CRecorderApp app;
    return app.Run();
}
