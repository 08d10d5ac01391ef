#include "shared/WindowPlacement.h"

#include <algorithm>

namespace kestrowa {

namespace {
int KeptWithin(int at, int size, int low, int high) { return std::max(low, std::min(at, high - size)); }
}  // namespace

ScreenPoint PlaceWithin(const Rect& window, const Rect& workArea, ScreenPoint wanted) {
    return {KeptWithin(wanted.x, window.right - window.left, workArea.left, workArea.right),
            KeptWithin(wanted.y, window.bottom - window.top, workArea.top, workArea.bottom)};
}

ScreenPoint CentreWithin(const Rect& window, const Rect& workArea, ScreenPoint point) {
    return PlaceWithin(window, workArea,
                       {point.x - (window.right - window.left) / 2, point.y - (window.bottom - window.top) / 2});
}

}  // namespace kestrowa
