#pragma once
#include "shared/Rect.h"

namespace kestrowa {

// A top-left corner on the screen, in pixels.
struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// Where a window of the size of `window` (only its width and height count) goes when it wants its
// top-left corner at `wanted`: there when it fits in `workArea`, else moved the least way back in,
// across and down apart; a window larger than the area starts at the area's top-left corner, so
// that its caption and its first controls stay within reach.
ScreenPoint PlaceWithin(const Rect& window, const Rect& workArea, ScreenPoint wanted);

// The top-left corner that centres a window of the size of `window` on `point`, kept within
// `workArea` as by `PlaceWithin`.
ScreenPoint CentreWithin(const Rect& window, const Rect& workArea, ScreenPoint point);

}  // namespace kestrowa
