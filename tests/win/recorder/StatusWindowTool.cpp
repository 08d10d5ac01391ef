// Works the status window of a running recorder from outside, for the screenshot script:
//   StatusWindowTool restore | tray-click | hover | rect
// finds the window (waiting up to 20 seconds), does what is asked (hover: the mouse over the
// middle of the Ver button, which draws its hint) and prints its rectangle on the screen as WxH+X+Y (the form
// ImageMagick's -crop takes).
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

constexpr UINT kTrayCallback = 0x8064;
constexpr int kVersionButton = 1024;

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

HWND WaitForStatusWindow() {
    for (int i = 0; i < 200; ++i) {
        HWND found = nullptr;
        EnumWindows(FindStatus, reinterpret_cast<LPARAM>(&found));
        if (found) return found;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: StatusWindowTool restore|tray-click|hover|rect\n");
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
        Sleep(300);
        RECT ver{};
        GetWindowRect(GetDlgItem(status, kVersionButton), &ver);
        POINT middle{(ver.left + ver.right) / 2, (ver.top + ver.bottom) / 2};
        ScreenToClient(status, &middle);
        PostMessageW(status, WM_MOUSEMOVE, 0, MAKELPARAM(middle.x, middle.y));
    } else if (std::wcscmp(argv[1], L"rect") != 0) {
        std::fprintf(stderr, "unknown command\n");
        return 2;
    }
    Sleep(500);
    RECT r{};
    GetWindowRect(status, &r);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}
