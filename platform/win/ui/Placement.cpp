#include "platform/win/ui/Placement.h"

namespace kestrowa {

namespace {
Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

Rect WorkAreaNear(POINT point) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor);
    return FromRect(monitor.rcWork);
}

Rect WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return FromRect(r);
}

void MoveTo(HWND window, ScreenPoint at) {
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

ScreenPoint WithinWorkArea(HWND window, ScreenPoint wanted) {
    return PlaceWithin(WindowRect(window), WorkAreaNear({wanted.x, wanted.y}), wanted);
}

void PlaceOnScreen(HWND window, ScreenPoint wanted) { MoveTo(window, WithinWorkArea(window, wanted)); }

void KeepOnScreen(HWND window) {
    const Rect own = WindowRect(window);
    PlaceOnScreen(window, {own.left, own.top});
}

void CentreOnPointer(HWND window) {
    POINT pointer{};
    GetCursorPos(&pointer);
    MoveTo(window, CentreWithin(WindowRect(window), WorkAreaNear(pointer), {pointer.x, pointer.y}));
}

}  // namespace kestrowa
