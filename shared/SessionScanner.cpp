#include "shared/SessionScanner.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "shared/Strings.h"

namespace kestrowa {

bool LogLines::NextThroughReader(std::string_view& line) {
    Sync();
    // The reader may move or refill its block now.
    if (held_ && !held_->empty() && held_->data() != heldText_.data()) {
        heldText_.assign(*held_);
        *held_ = heldText_;
    }
    bool more;
    while ((more = reader_.Next(line)) && line.empty()) {
    }
    Sync();
    return more;
}

void LogLines::PassOver() {
    if (!passOver_) return;
    Sync();
    reader_.Pass(passOver_(reader_.Ahead()));
    Sync();
}

void LogLines::Sync() {
    reader_.Pass(static_cast<size_t>(at_ - runStart_));
    const std::string_view ahead = reader_.Ahead();
    runStart_ = at_ = ahead.data();
    runEnd_ = ahead.data() + ahead.size();
}

MonthMark MonthMarkOf(std::string_view yymm) {
    MonthMark mark{};
    const std::string text = std::string(Columns(yymm, 0, 5)) + "/";
    std::memcpy(mark.data(), text.data(), std::min(text.size(), mark.size()));
    return mark;
}

namespace {

// How many bytes of `ahead` are whole lines that hold none of the marks anywhere, and so none in
// their date columns; a line longer than the line buffer comes in pieces, none of which holds a
// mark either.
size_t LinesWithoutMarks(std::string_view ahead, std::initializer_list<MonthMark> marks) {
    size_t end = ahead.size();
    for (const MonthMark& mark : marks) end = std::min(FindMonthMark(ahead.substr(0, end), mark), end);
    while (end > 0 && ahead[end - 1] != '\n') --end;
    return end;
}

// The mark of a month; a month outside 1-12 gets one that no session line holds.
MonthMark MarkOfMonth(int year, int month) {
    if (month < 1 || month > 12) return MonthMark{};
    return MonthMarkOf(TwoDigitYear(year) + Format("/%02d", month));
}

}  // namespace

void SelectMonth(ScanOptions& options, int year, int month) {
    const MonthMark thisMonth = MarkOfMonth(year, month);
    const MonthMark nextMonth = month == 12 ? MarkOfMonth(year + 1, 1) : MarkOfMonth(year, month + 1);
    options.filter = [thisMonth, nextMonth](std::string_view line) {
        if (InMonth(line, nextMonth)) return LineFate::Stop;
        return InMonth(line, thisMonth) ? LineFate::Pair : LineFate::Skip;
    };
    options.passOver = [thisMonth, nextMonth](std::string_view ahead) {
        return LinesWithoutMarks(ahead, {thisMonth, nextMonth});
    };
}

ChosenLog ChooseLog(std::string_view ownLog, std::string_view secondLog) {
    if (secondLog.empty()) return {std::string(ownLog), true};
    return {std::string(secondLog), false};
}

}  // namespace kestrowa
