#include "platform/win/ui/PointerTracking.h"

#include <commctrl.h>
#include <windowsx.h>

namespace kestrowa {

namespace {
constexpr UINT_PTR kSubclassId = 0x4B50;  // one subclass of this kind per window
}  // namespace

PointerTracking::~PointerTracking() { Detach(); }

void PointerTracking::Attach(HWND window, Moved moved) {
    Detach();
    window_ = window;
    moved_ = std::move(moved);
    auto subclass = [this](HWND hwnd) {
        if (SetWindowSubclass(hwnd, Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
            subclassed_.push_back(hwnd);
    };
    subclass(window);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) subclass(child);
}

void PointerTracking::Detach() {
    for (HWND hwnd : subclassed_)
        if (IsWindow(hwnd)) RemoveWindowSubclass(hwnd, Procedure, kSubclassId);
    subclassed_.clear();
    window_ = nullptr;
}

void PointerTracking::MovedAt(HWND from, POINT point) const {
    if (from != window_) MapWindowPoints(from, window_, &point, 1);
    try {
        moved_(point.x, point.y);
    } catch (...) {
        // Nothing escapes into the window procedure; the next move tries again.
    }
}

// The leave notice is asked for only while the real pointer is over the window: a move posted by
// another program, with the pointer elsewhere, would bring it at once.
void PointerTracking::AskForLeave(HWND hwnd) const {
    POINT pointer{};
    if (!GetCursorPos(&pointer) || WindowFromPoint(pointer) != hwnd) return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hwnd;
    TrackMouseEvent(&track);
}

LRESULT CALLBACK PointerTracking::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
    const auto* tracking = reinterpret_cast<const PointerTracking*>(self);
    switch (message) {
        case WM_MOUSEMOVE:
            tracking->AskForLeave(hwnd);
            tracking->MovedAt(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            break;
        case WM_MOUSELEAVE: {
            POINT pointer{};
            GetCursorPos(&pointer);
            tracking->MovedAt(nullptr, pointer);
            break;
        }
        case WM_NCDESTROY: RemoveWindowSubclass(hwnd, Procedure, kSubclassId); break;
        default: break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace kestrowa
