#pragma once
#include <cmath>
#include <cstdint>

namespace kestrowa {

// Hours from minutes with the single-precision factor 1/60 that every shown figure uses.
inline constexpr float kHoursPerMinute = 0.016666668f;

inline float HoursFromMinutes(int64_t minutes) { return static_cast<float>(minutes) * kHoursPerMinute; }
// The value of hours as a text with two decimals shows it ("%.2f" read back): the hundredths
// rounded to the nearest. A float times 100 is exact in a double, and hours from whole minutes
// never lie halfway between two hundredths, so no tie is ever rounded.
inline double ShownHours(float hours) { return std::nearbyint(static_cast<double>(hours) * 100.0) / 100.0; }

// Days from hours, with the single-precision factor 1/24 of the running day totals.
inline constexpr float kDaysPerHour = 0.041666668f;

// The hours-and-minutes form of a number of hours: whole hours, and the rest times 60, both
// truncated.
struct HoursAndMinutes {
    int hours = 0;
    int minutes = 0;
};
inline HoursAndMinutes SplitHours(float hours) {
    int whole = static_cast<int>(hours);
    return {whole, static_cast<int>((hours - static_cast<float>(whole)) * 60.0f)};
}

}  // namespace kestrowa
