#pragma once
#include <string>

#include "shared/DrawList.h"

namespace kestrowa {

// The drawing as an SVG picture of width × height pixels in the same pixel coordinates, origin
// top left: each segment (a line, or a line-to from the current point) a <line x1 y1 x2 y2>, each
// rectangle a <rect x y width height> (width = right − left, height = bottom − top) stroked with
// the pen and filled with the brush, each text a <text x y> with its top-left corner at its point;
// colours as #rrggbb in stroke and fill. A text's background is not written: the picture knows
// no text extents.
std::string DrawListSvg(const DrawList& list, int width, int height);

}  // namespace kestrowa
