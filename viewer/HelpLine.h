#pragma once
#include <optional>
#include <string>

#include "shared/DialogScale.h"
#include "shared/DrawList.h"
#include "viewer/Views.h"

namespace kestrowa {

// The help areas and the help line of the main window are laid out in client pixels for a dialog
// font of these base units; the window moves them to the units its font really has.
inline constexpr BaseUnits kViewerDesignUnits{8, 15};

// The text for the pointer at (x, y) (client pixels): that of the first of the 15 help areas,
// moved by `scale`, that holds it (over the list, the text of the view it shows); none outside
// every area.
std::optional<std::string> HelpText(int x, int y, ViewKind view, const DialogScale& scale);

// The help line at the bottom of the main window, drawn in the help-line font ("ＭＳ ゴシック",
// height 12 for the design units, moved by the scale like the places) on the button-face colour.
class HelpLine {
public:
    explicit HelpLine(Colour face) : face_(face) {}
    // What to draw after the pointer moved to (x, y): the text over a row of blanks when an area
    // holds the point; outside every area a shorter row of blanks, once, while a text may show
    // (so also at the first move); else nothing.
    DrawList MouseMove(int x, int y, ViewKind view, const DialogScale& scale);
    // The text the line shows now; "" while it is cleared.
    const std::string& Shown() const { return text_; }

private:
    Colour face_;
    bool shown_ = true;
    std::string text_;
};

}  // namespace kestrowa
