#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "recorder/RecorderDlgIds.h"
#include "recorder/RecorderEnvironment.h"
#include "shared/DialogScale.h"
#include "shared/DrawList.h"

namespace kestrowa {

// The places in client pixels below (and the hint areas) are laid out for a dialog font of these
// base units; the window moves them to the units its font really has.
inline constexpr BaseUnits kStatusDesignUnits{7, 13};

// Areas covered in the button-face colour while their item is hidden.
inline constexpr Rect kMarkArea{159, 51, 206, 68};
inline constexpr Rect kTodayCountArea{66, 34, 164, 50};
inline constexpr Rect kMonthArea{66, 72, 206, 89};
// The areas as rectangles drawn with pen and brush of the button-face colour, moved by `scale`.
DrawList BlankDrawing(const std::vector<Rect>& areas, Colour face, const DialogScale& scale);

// Bitmap resource names of a bitmap button: normal and pressed. A focused button shows its
// normal picture with a focus rectangle: the picture tells the state the button stands in.
struct BitmapSet {
    std::string_view normal;
    std::string_view pressed;
    bool operator==(const BitmapSet&) const = default;
};

// What the status window writes after a call into its logic: control texts by control id, the
// window title, the areas to blank, bitmap buttons to attach again, and whether timer 1 is set
// again (a full refresh) and a notice is to be shown (after the timer was set). Apply the texts
// first, then the blanking, so a hidden item stays covered.
struct StatusUpdate {
    std::map<int, std::string> texts;
    std::optional<std::string> title;
    std::vector<Rect> blank;
    std::map<int, BitmapSet> bitmaps;
    bool restartTimer = false;
    std::optional<std::string> notice;

    // Adds `later` on top of this one: its texts and bitmaps win, its blanking follows.
    void Merge(StatusUpdate later);
};

// Where the status window goes on a screen of `screenWidth` × `screenHeight` pixels, given its
// client height: 350 pixels left of the right edge on the NT family (340 on 9x) plus `LeftRight`,
// and 35 pixels above the bottom plus `UpDown`. The window keeps its size and goes on top.
struct WindowPosition {
    int x = 0;
    int y = 0;
    bool operator==(const WindowPosition&) const = default;
};
WindowPosition StatusWindowPosition(int screenWidth, int screenHeight, OsFamily family, int leftRight, int upDown,
                                    int clientHeight);

}  // namespace kestrowa
