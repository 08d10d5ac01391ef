#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "recorder/RecorderDlgIds.h"
#include "recorder/RecorderEnvironment.h"

namespace kestrowa {

// A rectangle in client pixels; a point on the left or top edge is inside, one on the right or
// bottom edge is not.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

// Areas covered in the button-face colour (pen and brush of it) while their item is hidden.
inline constexpr Rect kMarkArea{159, 51, 206, 68};
inline constexpr Rect kTodayCountArea{66, 34, 164, 50};
inline constexpr Rect kMonthArea{66, 72, 206, 89};

// Bitmap resource names of a bitmap button: normal, pressed, focused.
struct BitmapSet {
    std::string_view normal;
    std::string_view pressed;
    std::string_view focused;
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
