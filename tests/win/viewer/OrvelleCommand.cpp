// Sends one command or one pointer move to the running viewer's main window, as a click or a
// mouse would: "orvelle_command command ID" or "orvelle_command move X Y" (client pixels).
// Exits with 1 when no viewer window is found.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

BOOL CALLBACK FindViewer(HWND window, LPARAM found) {
    wchar_t className[32] = {};
    wchar_t title[256] = {};
    GetClassNameW(window, className, 32);
    GetWindowTextW(window, title, 256);
    if (std::wcscmp(className, L"#32770") == 0 && std::wcsstr(title, L"Orvelle Check") && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    HWND viewer = nullptr;
    EnumWindows(FindViewer, reinterpret_cast<LPARAM>(&viewer));
    if (!viewer || argc < 3) return 1;
    const std::wstring what = argv[1];
    if (what == L"command") {
        const int id = _wtoi(argv[2]);
        SendMessageW(viewer, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(viewer, id)));
        return 0;
    }
    if (what == L"move" && argc >= 4) {
        SendMessageW(viewer, WM_MOUSEMOVE, 0, MAKELPARAM(_wtoi(argv[2]), _wtoi(argv[3])));
        return 0;
    }
    return 1;
}
