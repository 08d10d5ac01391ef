#include "platform/win/ui/Dpi.h"

namespace kestrowa {

int WindowDpi(HWND window) {
    // Looked up at run time: systems before the per-monitor DPI have no such function.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32"), "GetDpiForWindow")));
    if (dpiForWindow && window) {
        if (const UINT dpi = dpiForWindow(window)) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int ScaledToDpi(HWND window, int pixels) { return MulDiv(pixels, WindowDpi(window), USER_DEFAULT_SCREEN_DPI); }

DrawnAt96Dpi::DrawnAt96Dpi(HDC dc, int dpi) : dc_(dc), saved_(SaveDC(dc)) {
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, USER_DEFAULT_SCREEN_DPI, USER_DEFAULT_SCREEN_DPI, nullptr);
    SetViewportExtEx(dc, dpi, dpi, nullptr);
}

DrawnAt96Dpi::~DrawnAt96Dpi() {
    if (saved_) RestoreDC(dc_, saved_);
}

}  // namespace kestrowa
