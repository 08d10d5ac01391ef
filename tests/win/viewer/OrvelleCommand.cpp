// Drives the running viewer as a click or a mouse would: "orvelle_command command ID" sends a
// command to the main window, "orvelle_command post ID" posts one (for a command that opens a
// modal window), "orvelle_command move X Y" moves the pointer (client pixels); "orvelle_command
// period ID" posts a command to the period view and "orvelle_command period-rect" prints its
// place on the screen as WxH+X+Y. Exits with 1 when the window is not found.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* titlePart;
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    wchar_t className[32] = {};
    wchar_t title[256] = {};
    GetClassNameW(window, className, 32);
    GetWindowTextW(window, title, 256);
    if (std::wcscmp(className, L"#32770") == 0 && std::wcsstr(title, search.titlePart) && IsWindowVisible(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialogTitled(const wchar_t* titlePart) {
    Search search{titlePart};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

WPARAM Click(int id) { return MAKEWPARAM(id, BN_CLICKED); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 1;
    const std::wstring what = argv[1];
    if (what == L"period" || what == L"period-rect") {
        HWND period = FindDialogTitled(L"設定期間の稼動状況");
        if (!period) return 1;
        if (what == L"period" && argc >= 3) {
            const int id = _wtoi(argv[2]);
            PostMessageW(period, WM_COMMAND, Click(id), reinterpret_cast<LPARAM>(GetDlgItem(period, id)));
            return 0;
        }
        RECT r{};
        GetWindowRect(period, &r);
        std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
        return 0;
    }
    HWND viewer = FindDialogTitled(L"Orvelle Check");
    if (!viewer || argc < 3) return 1;
    const int id = _wtoi(argv[2]);
    const LPARAM control = reinterpret_cast<LPARAM>(GetDlgItem(viewer, id));
    if (what == L"command") {
        SendMessageW(viewer, WM_COMMAND, Click(id), control);
        return 0;
    }
    if (what == L"post") {
        PostMessageW(viewer, WM_COMMAND, Click(id), control);
        return 0;
    }
    if (what == L"move" && argc >= 4) {
        SendMessageW(viewer, WM_MOUSEMOVE, 0, MAKELPARAM(_wtoi(argv[2]), _wtoi(argv[3])));
        return 0;
    }
    return 1;
}
