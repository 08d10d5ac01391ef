#pragma once
#include <windows.h>

#include "shared/DrawList.h"

namespace kestrowa {

COLORREF ToColorRef(Colour colour);
Colour FromColorRef(COLORREF colour);

// Draws the list on a device context. Its pens, brushes and fonts are made for this drawing and
// deleted after it; the device context's own objects, text colours, background mode and current
// point are back as they were when it returns.
void Replay(HDC dc, const DrawList& list);

}  // namespace kestrowa
