#include "viewer/ViewerApp.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/win/os/IniProfile.h"
#include "platform/win/ui/MessageBoxes.h"
#include "platform/win/os/RegistryProfile.h"
#include "platform/win/os/SystemClock.h"
#include "platform/win/os/Text.h"
#include "shared/RecorderSettings.h"
#include "viewer/ViewerDlg.h"
#include "viewer/ViewerSettings.h"

namespace kestrowa::orvelle {

namespace {
constexpr const char* kHelpDocumentName = "Orvelle.html";

// The folder of this program, with its trailing backslash: the help page lies beside it.
std::string ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    while (length == path.size()) {
        path.resize(path.size() * 2);
        length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    }
    std::wstring folder(path.data(), length);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return WideToUtf8(folder);
}
}  // namespace

int CViewerApp::Run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    IniProfile settings = IniProfile::InWindowsDirectory(kViewerProfileFile);
    RegistryProfile recorder(kProfileRoot, kRecorderProfileName);
    SystemClock clock;
    SystemPrompts prompts;
    CViewerDlg main(ViewerContext{clock, settings, recorder, prompts, WindowsDirectory(),
                                  ProgramFolder() + kHelpDocumentName});
    main.RunModal(nullptr);
    return 0;
}

}  // namespace kestrowa::orvelle

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    kestrowa::orvelle::CViewerApp app;
    return app.Run();
}
