#pragma once
#include <windows.h>

#include "shared/WindowPlacement.h"

namespace kestrowa {

// Where a top-level window goes when it wants its top-left corner at `wanted`: there if it fits,
// else as near as it fits within the work area of the monitor nearest that point (`PlaceWithin`).
ScreenPoint WithinWorkArea(HWND window, ScreenPoint wanted);
// Moves a top-level window, keeping its size and Z order, to `WithinWorkArea(window, wanted)`.
void PlaceOnScreen(HWND window, ScreenPoint wanted);
// Moves a top-level window back within its monitor's work area, from where it stands.
void KeepOnScreen(HWND window);
// Centres a window on the pointer, kept within the work area of the pointer's monitor.
void CentreOnPointer(HWND window);

}  // namespace kestrowa
