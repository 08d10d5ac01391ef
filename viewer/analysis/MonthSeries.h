#pragma once
#include <optional>
#include <string>
#include <vector>

#include "shared/DrawList.h"

namespace kestrowa {

// One calendar month of the log: "yy/mm" and its running hours (0 for a month without lines
// between two months with lines).
struct MonthSlot {
    std::string key;
    float hours = 0.0f;
};

// Every month of the log but the last, which is still running; nullopt when the log cannot be
// read.
std::optional<std::vector<MonthSlot>> ReadMonthSeries(const std::string& logPath);

// Which 96 months the year-month graph shows.
enum class MonthWindow { First = 0, Latest = 1 };
inline constexpr int kGraphWindowMonths = 96;

// Month bars with their average and the running total in days, in the graphs' design size
// without its ground (`InGraphArea` lays it out in an area).
DrawList DrawMonthlyGraph(const std::vector<MonthSlot>& series, MonthWindow window);

}  // namespace kestrowa
