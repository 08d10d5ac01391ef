#include "viewer/MonthBlocks.h"

#include "shared/Strings.h"

namespace kestrowa {

namespace {

constexpr int kCenturyMonths = static_cast<int>(MonthBlocks::kMonthLimit);

// A "yy/mm" month as a count of months within a century, and back.
int MonthIndex(std::string_view yymm) { return ToInt(Columns(yymm, 0, 2)) * 12 + ToInt(Columns(yymm, 3, 2)) - 1; }
std::string MonthKey(int index) { return Format("%02d/%02d", index / 12 % 100, index % 12 + 1); }

}  // namespace

void MonthBlocks::Open(std::string_view line) {
    open_ = true;
    key_ = std::string(Columns(line, 2, 5));
    keyMark_ = MonthMarkOf(key_);
    minutes_ = 0;
    sessions_ = 0;
}

void MonthBlocks::Close() {
    const int index = MonthIndex(key_);
    if (expected_ >= 0) {
        const int gap = ((index - expected_) % kCenturyMonths + kCenturyMonths) % kCenturyMonths;
        if (gap < kCenturyMonths / 2)
            for (int i = 0; i < gap && !Full(); ++i, ++handed_) EmptyMonth(MonthKey(expected_ + i));
    }
    if (Full()) return;
    Month(key_, minutes_, sessions_);
    ++handed_;
    expected_ = (index + 1) % kCenturyMonths;
}

}  // namespace kestrowa
