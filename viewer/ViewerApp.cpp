#include "viewer/ViewerApp.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/win/os/IniProfile.h"
#include "platform/win/os/Module.h"
#include "platform/win/ui/FileDialog.h"
#include "platform/win/ui/MessageBoxes.h"
#include "platform/win/os/RegistryProfile.h"
#include "platform/win/os/SystemClock.h"
#include "shared/RecorderSettings.h"
#include "viewer/ViewerDlg.h"
#include "viewer/ViewerSettings.h"

namespace kestrowa {

namespace {
// Beside the program.
constexpr const char* kHelpDocumentName = "Orvelle.html";
}  // namespace

int CViewerApp::Run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    IniProfile settings = IniProfile::InWindowsDirectory(kViewerProfileFile);
    RegistryProfile recorder(kProfileRoot, kRecorderProfileName);
    SystemClock clock;
    SystemPrompts prompts;
    SystemFileDialogs fileDialogs;
    CViewerDlg main(ViewerContext{clock, settings, recorder, prompts, fileDialogs, WindowsDirectory(),
                                  ProgramFolder() + kHelpDocumentName});
    main.RunModal(nullptr);
    return 0;
}

}  // namespace kestrowa

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    kestrowa::CViewerApp app;
    return app.Run();
}
