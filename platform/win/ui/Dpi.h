#pragma once
#include <windows.h>

namespace kestrowa {

// The pixels a window has per logical inch: the system's own figure for the window where the system
// keeps one per monitor, else the screen's (96 at 100 %).
int WindowDpi(HWND window);
// `pixels` laid out at 96 DPI, at the window's DPI.
int ScaledToDpi(HWND window, int pixels);

}  // namespace kestrowa
