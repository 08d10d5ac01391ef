// Works the status window of a running recorder from outside, for the screenshot script and the
// desktop test (tests/win/desktop-test):
//   StatusWindowTool restore | tray-click | hover | wake | rect | settings-N | choose-tray
//                    | ver-middle | hint-shown | hint-gone | on-screen
// finds the window (waiting up to 30 seconds), does what is asked (hover: the mouse over the
// middle of the Ver button, which draws its hint; wake: the PC's sleep and wake announced;
// settings-N: the settings dialog opened on its tab N, 0 to 4; choose-tray: the tray method
// chosen in the settings dialog, confirmed with OK and its two messages answered) and prints the
// rectangle of the window on the screen, the settings dialog's for settings-N, as WxH+X+Y (the
// form ImageMagick's -crop takes). ver-middle restores the window and prints the middle of the
// Ver button on the screen as "X Y" instead, for the real pointer to be moved there; hint-shown and
// hint-gone wait until the hint line's pixels show blue text or none, and fail when they never do;
// on-screen restores the window and fails unless it lies whole within its monitor's work area.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <initializer_list>

#include "../OnScreen.h"
#include "../WaitFor.h"

namespace {

constexpr UINT kTrayCallback = 0x8064;
constexpr int kVersionButton = 1024;
constexpr int kSettingsButton = 1009;
constexpr int kSettingsTabs = 1036;
constexpr int kTrayRadio = 1012;
constexpr int kMessageText = 0xFFFF;

// The status window is the dialog that holds the start-time text 1005 and the second-row
// button 1055.
BOOL CALLBACK FindStatus(HWND hwnd, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (std::wcscmp(name, L"#32770") == 0 && GetDlgItem(hwnd, 1005) && GetDlgItem(hwnd, 1055)) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The window exists before its initialisation is done, which may still hide it. The start time
// is written in the place of the template's "Static" just before the window takes its first state,
// with no message handled in between: a reply with the time was sent after that.
HWND WaitForStatusWindow() {
    HWND status = kestrowa::WaitFor("the status window", [] {
        HWND found = nullptr;
        EnumWindows(FindStatus, reinterpret_cast<LPARAM>(&found));
        return found;
    });
    const bool setUp = status && kestrowa::WaitFor("the status window set up", [status] {
        wchar_t text[64] = {};
        DWORD_PTR copied = 0;
        return SendMessageTimeoutW(GetDlgItem(status, 1005), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text),
                                   SMTO_BLOCK, 1000, &copied) &&
               copied > 0 && std::wcscmp(text, L"Static") != 0;
    });
    return setUp ? status : nullptr;
}

// A visible window of the recorder's process that holds control `id`: the settings dialog
// (its tab control 1036) or a message box (its text, 0xFFFF, which is also the id of the
// dialogs' unnamed labels: a message box is the window that has neither 1005 nor 1036).
struct WindowSearch {
    DWORD process;
    int id;
    HWND found;
};

bool IsMessageBox(HWND hwnd) {
    return GetDlgItem(hwnd, kMessageText) && !GetDlgItem(hwnd, 1005) && !GetDlgItem(hwnd, kSettingsTabs);
}

BOOL CALLBACK FindWindowWith(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    const bool wanted = search->id == kMessageText ? IsMessageBox(hwnd) : GetDlgItem(hwnd, search->id) != nullptr;
    if (process == search->process && IsWindowVisible(hwnd) && wanted) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindowWith(HWND status, int id) {
    WindowSearch search{0, id, nullptr};
    GetWindowThreadProcessId(status, &search.process);
    return kestrowa::WaitFor(id == kMessageText ? "a message box" : "the settings dialog", [&] {
        EnumWindows(FindWindowWith, reinterpret_cast<LPARAM>(&search));
        return search.found;
    });
}

// Whether the window or one of its controls has yet to paint a part: painted later, it would cover
// what the mouse over the window draws now.
bool WaitsForPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetUpdateRect(child, nullptr, FALSE)) return true;
    return false;
}

// Whether the hint line, the strip below the controls on the left of the end button, shows any
// pixel of the hint's blue (the font's smoothing mixes it: mostly blue is enough).
bool HintLineShowsBlue(HWND status) {
    RECT client{};
    RECT end{};
    GetClientRect(status, &client);
    GetWindowRect(GetDlgItem(status, IDOK), &end);
    MapWindowPoints(nullptr, status, reinterpret_cast<POINT*>(&end), 2);
    HDC dc = GetDC(status);
    bool blue = false;
    for (int y = client.bottom * 3 / 4; y < client.bottom && !blue; ++y)
        for (int x = 0; x < end.left && !blue; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            blue = pixel != CLR_INVALID && GetBValue(pixel) > 160 && GetRValue(pixel) < 100 && GetGValue(pixel) < 100;
        }
    ReleaseDC(status, dc);
    return blue;
}

// Opens the settings dialog and chooses tab `tab` as the right-arrow key on the tabs does.
HWND OpenSettings(HWND status, int tab) {
    ShowWindow(status, SW_RESTORE);
    PostMessageW(status, WM_COMMAND, MAKEWPARAM(kSettingsButton, BN_CLICKED), 0);
    HWND settings = WaitForWindowWith(status, kSettingsTabs);
    for (int i = 0; settings && i < tab; ++i)
        SendMessageW(GetDlgItem(settings, kSettingsTabs), WM_KEYDOWN, VK_RIGHT, 0);
    return settings;
}

// Chooses the tray method on the first tab, confirms it and answers the two messages.
bool ChooseTray(HWND status) {
    HWND settings = OpenSettings(status, 0);
    if (!settings) return false;
    for (HWND page = GetWindow(settings, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
        if (IsWindowVisible(page) && GetDlgItem(page, kTrayRadio)) SendMessageW(GetDlgItem(page, kTrayRadio), BM_CLICK, 0, 0);
    PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int box = 0; box < 2; ++box) {
        HWND found = WaitForWindowWith(status, kMessageText);
        if (!found) return false;
        PostMessageW(found, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        kestrowa::WaitFor("the message box gone", [&] { return !IsWindow(found); });
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: StatusWindowTool restore|tray-click|hover|wake|rect|settings-N|choose-tray|ver-middle"
                     "|hint-shown|hint-gone|on-screen\n");
        return 2;
    }
    HWND status = WaitForStatusWindow();
    if (!status) {
        std::fprintf(stderr, "no status window\n");
        return 1;
    }
    if (std::wcscmp(argv[1], L"restore") == 0) {
        ShowWindow(status, SW_RESTORE);
        SetForegroundWindow(status);
    } else if (std::wcscmp(argv[1], L"tray-click") == 0) {
        SendMessageW(status, kTrayCallback, 1, WM_LBUTTONDOWN);
    } else if (std::wcscmp(argv[1], L"hover") == 0) {
        ShowWindow(status, SW_RESTORE);
        kestrowa::WaitFor("the restored window painted", [&] { return !WaitsForPaint(status); });
        RECT ver{};
        GetWindowRect(GetDlgItem(status, kVersionButton), &ver);
        POINT middle{(ver.left + ver.right) / 2, (ver.top + ver.bottom) / 2};
        ScreenToClient(status, &middle);
        SendMessageW(status, WM_MOUSEMOVE, 0, MAKELPARAM(middle.x, middle.y));
    } else if (std::wcscmp(argv[1], L"wake") == 0) {
        ShowWindow(status, SW_RESTORE);
        for (WPARAM event : {PBT_APMSUSPEND, PBT_APMRESUMEAUTOMATIC, PBT_APMRESUMESUSPEND})
            SendMessageW(status, WM_POWERBROADCAST, event, 0);
    } else if (std::wcscmp(argv[1], L"ver-middle") == 0) {
        ShowWindow(status, SW_RESTORE);
        SetForegroundWindow(status);
        kestrowa::WaitFor("the restored window painted", [&] { return IsWindowVisible(status) && !IsIconic(status) && !WaitsForPaint(status); });
        RECT ver{};
        GetWindowRect(GetDlgItem(status, kVersionButton), &ver);
        std::printf("%ld %ld\n", (ver.left + ver.right) / 2, (ver.top + ver.bottom) / 2);
        return 0;
    } else if (std::wcscmp(argv[1], L"on-screen") == 0) {
        ShowWindow(status, SW_RESTORE);
        kestrowa::WaitFor("the window restored", [&] { return IsWindowVisible(status) && !IsIconic(status); });
        return kestrowa::WithinWorkArea(status) ? 0 : 1;
    } else if (std::wcscmp(argv[1], L"hint-shown") == 0 || std::wcscmp(argv[1], L"hint-gone") == 0) {
        const bool shown = std::wcscmp(argv[1], L"hint-shown") == 0;
        const bool seen = kestrowa::WaitFor(shown ? "the hint drawn" : "the hint cleared",
                                            [&] { return HintLineShowsBlue(status) == shown; },
                                            std::chrono::seconds(10));
        std::printf("%s\n", seen ? "yes" : "no");
        return seen ? 0 : 1;
    } else if (std::wcsncmp(argv[1], L"settings-", 9) == 0) {
        status = OpenSettings(status, _wtoi(argv[1] + 9));
        if (!status) {
            std::fprintf(stderr, "no settings dialog\n");
            return 1;
        }
    } else if (std::wcscmp(argv[1], L"choose-tray") == 0) {
        if (!ChooseTray(status)) {
            std::fprintf(stderr, "the tray method could not be chosen\n");
            return 1;
        }
    } else if (std::wcscmp(argv[1], L"rect") != 0) {
        std::fprintf(stderr, "unknown command\n");
        return 2;
    }
    RECT r{};
    GetWindowRect(status, &r);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}
