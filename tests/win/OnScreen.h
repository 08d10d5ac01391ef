// What the desktop tools check of a window's place on the screen.
#pragma once

#include <windows.h>

#include <cstdio>

namespace kestrowa {

// Whether `window` lies whole within the work area of its monitor; prints both rectangles and
// the verdict.
inline bool WithinWorkArea(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const bool within = r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom;
    std::printf("window (%ld,%ld)-(%ld,%ld) work area (%ld,%ld)-(%ld,%ld): %s\n", r.left, r.top, r.right, r.bottom,
                work.left, work.top, work.right, work.bottom, within ? "within" : "not within");
    return within;
}

}  // namespace kestrowa
