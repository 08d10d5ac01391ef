#pragma once

namespace kestrowa {

// A rectangle in pixels, origin top left; a point on the left or top edge is inside, one on the
// right or bottom edge is not.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

// The size of a surface in pixels.
struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

}  // namespace kestrowa
