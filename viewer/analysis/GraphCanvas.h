#pragma once
#include <string>

#include "shared/DrawList.h"

namespace kestrowa {

// The drawing area of the trend graph and the chart (control 1014), in pixels.
inline constexpr int kGraphCanvasWidth = 488;
inline constexpr int kGraphCanvasHeight = 196;

inline constexpr Colour kGraphRed = 0xFF0000;
inline constexpr Colour kGraphGreen = 0x00FF00;

// A drawing that starts with the white ground of the area.
DrawList GraphCanvas();
// The font of the graphs' texts.
void SelectGraphFont(DrawList& drawing);
// A text of the graphs: black on white.
void GraphText(DrawList& drawing, int x, int y, std::string text);

}  // namespace kestrowa
