#pragma once
#include <array>
#include <string>
#include <string_view>

#include "shared/DialogScale.h"
#include "shared/DrawList.h"

namespace kestrowa {

// A hint area of the status window's client area and the hint shown while the mouse is over it.
struct HintArea {
    Rect area;
    std::string_view text;
};
// The six areas, in the order they are tested: minimize, Ver, help, settings, viewer, end.
const std::array<HintArea, 6>& HintAreas();
// The first area that holds the point (client pixels), the areas moved by `scale`; or null.
const HintArea* HintAt(int x, int y, const DialogScale& scale);

// The blank line that clears a hint: 29 spaces, a full-width space and a space.
std::string HintBlankText();

// The hint line at the bottom of the status window, drawn in the hint font ("ＭＳ ゴシック",
// height 12 for the design units, moved by the scale like the places) on the button-face colour.
class MouseHints {
public:
    explicit MouseHints(Colour face) : face_(face) {}
    // What to draw after the mouse moved to (x, y) (client pixels), every place moved by `scale`:
    // over an area its hint on a blank line; outside every area the blank line once, when a hint
    // was shown; else nothing.
    DrawList MouseMove(int x, int y, const DialogScale& scale);
    // The hint shown now; "" when none.
    const std::string& Shown() const { return shown_; }

private:
    Colour face_;
    std::string shown_;
};

}  // namespace kestrowa
