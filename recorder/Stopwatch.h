#pragma once
#include <cstdint>

#include "recorder/StatusLayout.h"

namespace kestrowa {

// The stopwatch of button 1048, in hundredths of a second of the system's tick count.
class Stopwatch {
public:
    bool running = false;
    std::uint32_t startMark = 0;  // tick count / 10 at the start

    // A press of the button at `tickCount` milliseconds. With the button present (`StopWatch` 1 as
    // set now) the update holds the button's bitmaps (attach them again and size the button to its
    // bitmap) and the bottom line 1039; without it the stopwatch still runs, unseen.
    StatusUpdate Press(std::uint32_t tickCount, bool buttonPresent);
};

}  // namespace kestrowa
