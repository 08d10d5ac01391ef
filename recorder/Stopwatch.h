#pragma once
#include <cstdint>

#include "recorder/StatusLayout.h"

namespace kestrowa {

// The stopwatch of button 1048, in hundredths of a second of the system's unbiased counter, which
// a change of the clock does not move.
class Stopwatch {
public:
    bool running = false;
    std::uint64_t startMark = 0;  // counter / 10 at the start

    // A press of the button at `milliseconds` of the counter. With the button present (`StopWatch` 1 as
    // set now) the update holds the button's bitmaps (attach them again and size the button to its
    // bitmap) and the bottom line 1039; without it the stopwatch still runs, unseen.
    StatusUpdate Press(std::uint64_t milliseconds, bool buttonPresent);
};

}  // namespace kestrowa
