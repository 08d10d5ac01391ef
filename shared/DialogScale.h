#pragma once
#include <algorithm>
#include <cmath>

#include "shared/DrawList.h"

namespace kestrowa {

// A dialog's base units in pixels: the average character width and the character height of its
// font (a dialog unit is a quarter of the first across and an eighth of the second down).
struct BaseUnits {
    double x = 1.0;
    double y = 1.0;
};

// Pixel places laid out for a dialog font of `design` base units, moved to the base units the
// dialog really has (another font, large fonts): across by real / design, down likewise, rounded
// to the nearest pixel. So an area drawn over a control stays over it. A drawing laid out for one
// size of area is moved to another the same way.
class DialogScale {
public:
    DialogScale() = default;
    DialogScale(BaseUnits design, BaseUnits real) : x_(real.x / design.x), y_(real.y / design.y) {}
    DialogScale(Size design, Size real)
        : x_(static_cast<double>(real.width) / design.width), y_(static_cast<double>(real.height) / design.height) {}

    int X(int x) const { return Round(x * x_); }
    int Y(int y) const { return Round(y * y_); }
    Rect Of(const Rect& r) const { return {X(r.left), Y(r.top), X(r.right), Y(r.bottom)}; }
    // A length that keeps its shape (a pen's width, a font's height): by the smaller of the two.
    int Extent(int size) const { return Round(size * std::min(x_, y_)); }

private:
    static int Round(double pixels) { return static_cast<int>(std::lround(pixels)); }

    double x_ = 1.0;
    double y_ = 1.0;
};

}  // namespace kestrowa
