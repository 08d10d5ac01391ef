#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "recorder/StatusLayout.h"

namespace kestrowa {

// A hint area of the status window's client area and the hint shown while the mouse is over it.
struct HintArea {
    Rect area;
    std::string_view text;
};
// The six areas, in the order they are tested: minimize, Ver, help, settings, viewer, end.
const std::array<HintArea, 6>& HintAreas();
// The first area that holds the point (client pixels), or null.
const HintArea* HintAt(int x, int y);

enum class Ink { Black, Blue, ButtonFace };

// One text output with the hint font ("ＭＳ ゴシック", height 12): text and background colour
// as given; after the outputs the window sets the colours back to black on white.
struct HintOutput {
    int x = 0;
    int y = 0;
    std::string text;
    Ink ink = Ink::Black;
    Ink background = Ink::ButtonFace;
    bool operator==(const HintOutput&) const = default;
};

// The blank line that clears a hint: 29 spaces, a full-width space and a space.
std::string HintBlankText();

// Whether a hint is drawn; every mouse move over the dialog asks what to draw.
class MouseHints {
public:
    bool shown = false;
    std::vector<HintOutput> MouseMove(int x, int y);
};

}  // namespace kestrowa
