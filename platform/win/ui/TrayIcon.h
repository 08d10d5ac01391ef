#pragma once
#include <windows.h>

namespace kestrowa {

// An icon in the notification area that reports mouse messages to a window. Adding may fail
// (Wine without a display has no notification area): the program carries on without it.
class TrayIcon {
public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() { Remove(); }

    // Adds icon `id` with callback message `callback` and no tip; true when the shell took it.
    bool Add(HWND window, UINT id, UINT callback, HICON icon);
    void Remove();
    bool Added() const { return added_; }

private:
    HWND window_ = nullptr;
    UINT id_ = 0;
    bool added_ = false;
};

}  // namespace kestrowa
