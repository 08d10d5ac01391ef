#pragma once
#include <string>

#include "shared/DrawList.h"

namespace kestrowa {

// The size the graphs and the chart are designed for: their places are given in it, and a
// drawing is laid out in its area's real size by `InGraphArea`. It is also the report's size
// when none is asked for.
inline constexpr Size kGraphDesignSize{488, 196};

inline constexpr Colour kGraphRed = 0xFF0000;
inline constexpr Colour kGraphGreen = 0x00FF00;

// The font of the graphs' texts.
void SelectGraphFont(DrawList& drawing);
// A text of the graphs: black on white.
void GraphText(DrawList& drawing, int x, int y, std::string text);

// A drawing of the design size laid out in an area of `area`: first the white ground of the
// whole area, so that nothing of an earlier drawing stays, then every place moved across and
// down by the area's share of the design size, and pens and fonts grown by the smaller share
// (a pen never under one pixel).
DrawList InGraphArea(const DrawList& design, Size area);

}  // namespace kestrowa
