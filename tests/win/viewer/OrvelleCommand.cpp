// Drives the running viewer as a user would, for scripts/screenshot-viewer:
//   orvelle_command command ID       a click or menu command of the main window, waited for
//   orvelle_command post ID          the same without waiting (it opens a modal window)
//   orvelle_command move X Y         a pointer move over the main window (client pixels)
//   orvelle_command popup command ID a click in the modal window the main window opened
//   orvelle_command popup rect       prints that window's place on the screen: "X Y WIDTH HEIGHT"
//   orvelle_command popup tab N      chooses tab N of that window's tab control, as a click would
//   orvelle_command on-screen        fails unless the main window lies whole within the work area
//   orvelle_command popup centred X Y
//                                    fails unless that window lies whole within the work area with
//                                    its middle on the screen point (X, Y), give or take a pixel
// The main window, and for "centred" the popup, is waited for up to 30 seconds; exits with 1 when
// a window is not found.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "../OnScreen.h"
#include "../WaitFor.h"

namespace {

struct Search {
    HWND owner = nullptr;  // null: the main window; else a window it owns
    HWND found = nullptr;
};

BOOL CALLBACK Find(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<Search*>(lParam);
    wchar_t className[32] = {};
    wchar_t title[256] = {};
    GetClassNameW(window, className, 32);
    GetWindowTextW(window, title, 256);
    if (std::wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    const bool match = search.owner ? GetWindow(window, GW_OWNER) == search.owner
                                    : std::wcsstr(title, L"Orvelle Check") != nullptr;
    if (!match) return TRUE;
    search.found = window;
    return FALSE;
}

HWND FindWindowOf(HWND owner) {
    Search search{owner};
    EnumWindows(Find, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Click(HWND window, int id, bool wait) {
    const WPARAM command = MAKEWPARAM(id, BN_CLICKED);
    const LPARAM control = reinterpret_cast<LPARAM>(GetDlgItem(window, id));
    if (wait) SendMessageW(window, WM_COMMAND, command, control);
    else PostMessageW(window, WM_COMMAND, command, control);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    HWND viewer = kestrowa::WaitFor("the viewer's main window", [] { return FindWindowOf(nullptr); });
    if (!viewer || argc < 2) return 1;
    const std::wstring what = argv[1];
    if (what == L"on-screen") return kestrowa::WithinWorkArea(viewer) ? 0 : 1;
    if (argc < 3) return 1;
    if (what == L"command" || what == L"post") {
        Click(viewer, _wtoi(argv[2]), what == L"command");
        return 0;
    }
    if (what == L"move" && argc >= 4) {
        SendMessageW(viewer, WM_MOUSEMOVE, 0, MAKELPARAM(_wtoi(argv[2]), _wtoi(argv[3])));
        return 0;
    }
    if (what != L"popup") return 1;
    const std::wstring action = argv[2];
    // A window that is to open is waited for; the others are asked of the window there now.
    HWND popup = action == L"centred" ? kestrowa::WaitFor("the window the viewer opened", [viewer] { return FindWindowOf(viewer); })
                                      : FindWindowOf(viewer);
    if (!popup) return 1;
    if (action == L"command" && argc >= 4) {
        Click(popup, _wtoi(argv[3]), true);
        return 0;
    }
    // The tab control's focus moves like a click: it tells the dialog of the tab left and chosen.
    if (action == L"tab" && argc >= 4) {
        SendMessageW(FindWindowExW(popup, nullptr, WC_TABCONTROLW, nullptr), TCM_SETCURFOCUS,
                     static_cast<WPARAM>(_wtoi(argv[3])), 0);
        return 0;
    }
    if (action == L"centred" && argc >= 5) {
        RECT r{};
        GetWindowRect(popup, &r);
        const long x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
        const bool centred = std::labs(x - _wtoi(argv[3])) <= 1 && std::labs(y - _wtoi(argv[4])) <= 1;
        std::printf("middle (%ld,%ld)\n", x, y);
        return kestrowa::WithinWorkArea(popup) && centred ? 0 : 1;
    }
    if (action == L"rect") {
        RECT r{};
        GetWindowRect(popup, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    return 1;
}
