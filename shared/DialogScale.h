#pragma once
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
// to the nearest pixel. So an area drawn over a control stays over it.
class DialogScale {
public:
    DialogScale() = default;
    DialogScale(BaseUnits design, BaseUnits real) : x_(real.x / design.x), y_(real.y / design.y) {}

    int X(int x) const { return Round(x * x_); }
    int Y(int y) const { return Round(y * y_); }
    Rect Of(const Rect& r) const { return {X(r.left), Y(r.top), X(r.right), Y(r.bottom)}; }

private:
    // Places in a client area are never negative.
    static int Round(double pixels) { return static_cast<int>(pixels + 0.5); }

    double x_ = 1.0;
    double y_ = 1.0;
};

}  // namespace kestrowa
