#include "shared/ByteScan.h"

namespace kestrowa {

std::uint64_t LineFeedMask(const char* p, size_t n) {
    std::uint64_t mask = 0;
#ifdef KESTROWA_VECTOR_SCAN
    if (n == kLineFeedMaskBytes) {
        const __m128i lf = _mm_set1_epi8('\n');
        for (size_t i = 0; i < kLineFeedMaskBytes; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            mask |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf))))
                    << i;
        }
        return mask;
    }
#endif
    for (size_t i = 0; i < n; ++i) mask |= static_cast<std::uint64_t>(p[i] == '\n') << i;
    return mask;
}

size_t FindMonthMark(std::string_view text, const MonthMark& mark) {
    if (text.size() < kMonthMarkSize) return std::string_view::npos;
    const char* p = text.data();
    const size_t places = text.size() - kMonthMarkSize + 1;
    auto at = [&](size_t i) { return std::memcmp(p + i, mark.data(), kMonthMarkSize) == 0; };
    size_t i = 0;
#ifdef KESTROWA_VECTOR_SCAN
    // Sixteen places at once: a place is looked at closely only when its year and month units
    // are those of the mark.
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

}  // namespace kestrowa
