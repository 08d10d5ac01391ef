#include "platform/win/ui/TrayIcon.h"

#include <shellapi.h>

namespace kestrowa {

bool TrayIcon::Add(HWND window, UINT id, UINT callback, HICON icon) {
    if (added_) return true;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = NIF_MESSAGE | NIF_ICON;
    data.uCallbackMessage = callback;
    data.hIcon = icon;
    added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    if (added_) {
        window_ = window;
        id_ = id;
    }
    return added_;
}

void TrayIcon::Remove() {
    if (!added_) return;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = id_;
    Shell_NotifyIconW(NIM_DELETE, &data);
    added_ = false;
}

}  // namespace kestrowa
