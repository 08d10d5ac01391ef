#pragma once
#include <windows.h>

namespace kestrowa {

// The pixels a window has per logical inch: the system's own figure for the window where the system
// keeps one per monitor, else the screen's (96 at 100 %).
int WindowDpi(HWND window);
// `pixels` laid out at 96 DPI, at the window's DPI.
int ScaledToDpi(HWND window, int pixels);

// While it lives, what is drawn on `dc` in pixels of 96 DPI (places and font heights) comes out at
// `dpi`: the device context maps its units so, and gets its mapping back at the end.
class DrawnAt96Dpi {
public:
    DrawnAt96Dpi(HDC dc, int dpi);
    DrawnAt96Dpi(const DrawnAt96Dpi&) = delete;
    DrawnAt96Dpi& operator=(const DrawnAt96Dpi&) = delete;
    ~DrawnAt96Dpi();

private:
    HDC dc_;
    int saved_;
};

}  // namespace kestrowa
