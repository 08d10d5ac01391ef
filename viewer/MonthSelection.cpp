#include "viewer/MonthSelection.h"

#include <algorithm>

#include "shared/Strings.h"

namespace kestrowa {

namespace {
// Leading blanks, a sign and at least one digit: what the C library's atoi reads as a number.
bool IsNumber(std::string_view text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return false;
    if (text[i] == '+' || text[i] == '-') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}
}  // namespace

SpinRange YearSpinRange(const DateTime& today) { return {kFirstSpinYear, std::max(kFirstSpinYear, today.year)}; }

MonthChoice YearEdited(std::string_view text, int shownYear, int shownMonth, const DateTime& today) {
    // The spin control writes a thousands separator into years: "2,009".
    std::string digits(text);
    if (size_t comma = digits.find(','); comma != std::string::npos) digits.erase(comma, 1);
    MonthChoice choice{shownYear, shownMonth, {}, {}};
    if (!IsNumber(digits)) return choice;
    choice.year = ToInt(digits);
    if (choice.year > today.year) {
        choice.year = today.year;
        choice.yearText = PaddedInteger(choice.year, 4);
    }
    if (choice.year >= today.year && choice.month > today.month) {
        choice.month = today.month;
        choice.monthText = PaddedInteger(choice.month, 2);
    }
    return choice;
}

MonthChoice MonthEdited(std::string_view text, int shownYear, int shownMonth, int loadedMonth,
                        const DateTime& today) {
    MonthChoice choice{shownYear, shownMonth, {}, {}};
    if (!IsNumber(text)) return choice;
    choice.month = ToInt(text);
    if (choice.month < kMonthSpinRange.low || choice.month > kMonthSpinRange.high) {
        choice.month = std::clamp(choice.month, kMonthSpinRange.low, kMonthSpinRange.high);
        choice.monthText = PaddedInteger(choice.month, 2);
    }
    // The month spin wraps: past January is December of the year before, and the other way.
    if (choice.month != loadedMonth) {
        if (loadedMonth == 1 && choice.month == 12) --choice.year;
        if (loadedMonth == 12 && choice.month == 1) ++choice.year;
    }
    if (choice.year >= today.year) {
        choice.year = today.year;
        if (choice.month > today.month) {
            choice.month = today.month;
            choice.monthText = PaddedInteger(choice.month, 4);
        }
    }
    if (choice.year != shownYear) choice.yearText = PaddedInteger(choice.year, 4);
    return choice;
}

}  // namespace kestrowa
