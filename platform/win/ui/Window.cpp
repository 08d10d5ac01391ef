#include "platform/win/ui/Window.h"

namespace kestrowa {

// A window still there when its object goes (a test's frame, say) is detached first, so that no
// message of its end reaches the part already taken apart.
Window::~Window() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

HWND Window::CreateOfClass(WNDCLASSEXW windowClass, DWORD exStyle, const wchar_t* title, DWORD style,
                           HWND parent) {
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    RegisterClassExW(&windowClass);
    // A child starts empty at its parent's origin; its parent lays it out.
    const int place = (style & WS_CHILD) ? 0 : CW_USEDEFAULT;
    return CreateWindowExW(exStyle, windowClass.lpszClassName, title, style, place, place, place, place, parent,
                           nullptr, windowClass.hInstance, this);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    Routed routed;
    try {
        routed = self->Route(message, wParam, lParam);
    } catch (...) {
        routed = {};
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    switch (routed.how) {
        case Routed::How::Answered: return routed.value;
        case Routed::How::Handled: return 0;
        case Routed::How::Default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace kestrowa
