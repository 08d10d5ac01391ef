#include "shared/WindowPlacement.h"

#include <gtest/gtest.h>

namespace kestrowa {
namespace {

// The status window of 350 x 130 pixels at 96 DPI and 525 x 195 at 144 DPI on a 1024 x 768
// screen whose taskbar takes the bottom 30 pixels; a second monitor to the left of the first.
TEST(PlaceWithinTest, KeepsTheWantedCornerWhereTheWindowFitsAndMovesItTheLeastWayElse) {
    const Rect work{0, 0, 1024, 738};
    const Rect leftMonitor{-1280, 0, 0, 1024};
    struct Case {
        const char* what;
        Rect window;
        Rect area;
        ScreenPoint wanted;
        ScreenPoint placed;
    } cases[] = {
        {"fits: kept", {0, 0, 350, 130}, work, {674, 603}, {674, 603}},
        {"only the window's size counts", {500, 500, 850, 630}, work, {674, 603}, {674, 603}},
        {"wider than 350 at 144 DPI: back from the right edge", {0, 0, 525, 195}, work, {674, 603}, {499, 543}},
        {"below the work area: above the taskbar", {0, 0, 350, 130}, work, {10, 700}, {10, 608}},
        {"left and above: onto the corner", {0, 0, 350, 130}, work, {-40, -7}, {0, 0}},
        {"larger than the area: its top-left corner", {0, 0, 1100, 900}, work, {300, 20}, {0, 0}},
        {"another monitor's area", {0, 0, 350, 130}, leftMonitor, {-100, 980}, {-350, 894}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlaceWithin(c.window, c.area, c.wanted), c.placed) << c.what;
}

TEST(CentreWithinTest, CentresOnThePointUnlessThatLeavesTheWorkArea) {
    const Rect work{0, 0, 1024, 738};
    EXPECT_EQ(CentreWithin({0, 0, 300, 400}, work, {500, 400}), (ScreenPoint{350, 200}));
    EXPECT_EQ(CentreWithin({0, 0, 300, 400}, work, {1000, 10}), (ScreenPoint{724, 0}));
}

}  // namespace
}  // namespace kestrowa
