#pragma once
#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace kestrowa {

// Range of the year spin: from the first year of the recorder to this year, so that today's
// months stay reachable.
inline constexpr int kFirstSpinYear = 2001;
struct SpinRange {
    int low = 0;
    int high = 0;
};
SpinRange YearSpinRange(const DateTime& today);
inline constexpr SpinRange kMonthSpinRange{1, 12};

// The month to show after an edit, and the texts to write back into the year edit (1002) and
// the month edit (1006); an empty text leaves that edit as it is.
struct MonthChoice {
    int year = 0;
    int month = 0;
    std::string yearText;
    std::string monthText;
};

// The year edit changed. A text that is not a number keeps the shown year; a later year than
// today's becomes today's, and then a month after today's becomes today's.
MonthChoice YearEdited(std::string_view text, int shownYear, int shownMonth, const DateTime& today);

// The month edit changed. A number outside 1..12 is brought into that range; a text that is
// not a number keeps the shown month. Stepping from 1 to 12 goes to the previous year, from 12
// to 1 to the next; months after today's month of today's year are not shown.
MonthChoice MonthEdited(std::string_view text, int shownYear, int shownMonth, int loadedMonth,
                        const DateTime& today);

}  // namespace kestrowa
