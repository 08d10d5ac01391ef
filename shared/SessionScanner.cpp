#include "shared/SessionScanner.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "shared/LogLine.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {

// The first six characters of a text.
MonthMark MarkOf(const std::string& text) {
    MonthMark mark{};
    std::memcpy(mark.data(), text.data(), std::min(text.size(), mark.size()));
    return mark;
}

}  // namespace

MonthMark MonthMarkOf(std::string_view yymm) { return MarkOf(std::string(Columns(yymm, 0, 5)) + "/"); }

bool DateCheck::NewMonth(std::string_view line, std::uint64_t date) {
    if (!HasLogDate(line)) return false;
    validDate_ = date;
    validMonth_ = MonthOf(line.data() + 2);
    monthDays_ = DaysInMonth(2000 + TwoColumns(line, 2), TwoColumns(line, 5));
    return true;
}

bool HoldsAnywhere(std::string_view line, const MonthMark& mark) {
    if (line.size() < mark.size()) return false;
    for (size_t i = 0, last = line.size() - mark.size(); i <= last; ++i)
        if (line[i] == mark[0] && IsMark(line.data() + i, mark)) return true;
    return false;
}

namespace {

// The offset of the first `mark` in `text`, or npos. Most of the log is passed over this way
// when one month is read, so sixteen places are tried at once where the processor can: a place
// is looked at closely only when its year and month units are those of the mark.
size_t FindMark(std::string_view text, const MonthMark& mark) {
    if (text.size() < kMonthMarkSize) return std::string_view::npos;
    const char* p = text.data();
    const size_t places = text.size() - kMonthMarkSize + 1;
    auto at = [&](size_t i) { return IsMark(p + i, mark); };
    size_t i = 0;
#ifdef __SSE2__
    const __m128i yearUnits = _mm_set1_epi8(mark[1]);
    const __m128i monthUnits = _mm_set1_epi8(mark[4]);
    for (; i + 16 <= places; i += 16) {
        const __m128i years = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 1));
        const __m128i months = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 4));
        const __m128i hits = _mm_and_si128(_mm_cmpeq_epi8(years, yearUnits), _mm_cmpeq_epi8(months, monthUnits));
        for (unsigned m = static_cast<unsigned>(_mm_movemask_epi8(hits)); m != 0; m &= m - 1) {
            const size_t place = i + static_cast<size_t>(__builtin_ctz(m));
            if (at(place)) return place;
        }
    }
#endif
    for (; i < places; ++i)
        if (at(i)) return i;
    return std::string_view::npos;
}

// How many bytes of `ahead` are whole lines that hold none of the marks; a line longer than
// the line buffer comes in pieces, none of which holds a mark either.
size_t LinesWithoutMarks(std::string_view ahead, std::initializer_list<MonthMark> marks) {
    size_t end = ahead.size();
    for (const MonthMark& mark : marks) end = std::min(FindMark(ahead.substr(0, end), mark), end);
    while (end > 0 && ahead[end - 1] != '\n') --end;
    return end;
}

}  // namespace

void SelectMonth(ScanOptions& options, int year, int month) {
    std::string thisMonth = TwoDigitYear(year) + Format("/%02d/", month);
    std::string nextMonth =
        month == 12 ? TwoDigitYear(year + 1) + "/01/" : TwoDigitYear(year) + Format("/%02d/", month + 1);
    if (thisMonth.size() == kMonthMarkSize && nextMonth.size() == kMonthMarkSize) {
        const MonthMark thisMark = MarkOf(thisMonth);
        const MonthMark nextMark = MarkOf(nextMonth);
        options.filter = [thisMark, nextMark](std::string_view line) {
            if (Holds(line, nextMark)) return LineFate::Stop;
            return Holds(line, thisMark) ? LineFate::Pair : LineFate::Skip;
        };
        options.passOver = [thisMark, nextMark](std::string_view ahead) {
            return LinesWithoutMarks(ahead, {thisMark, nextMark});
        };
        return;
    }
    // A month beyond 1..12 has a longer mark, which no line of the log holds but a hand-made one.
    options.filter = [thisMonth = std::move(thisMonth), nextMonth = std::move(nextMonth)](std::string_view line) {
        if (line.find(nextMonth) != std::string_view::npos) return LineFate::Stop;
        return line.find(thisMonth) != std::string_view::npos ? LineFate::Pair : LineFate::Skip;
    };
    options.passOver = nullptr;
}

ChosenLog ChooseLog(std::string_view ownLog, std::string_view secondLog) {
    if (secondLog.empty()) return {std::string(ownLog), true};
    return {std::string(secondLog), false};
}

}  // namespace kestrowa
