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
    // The C library's search is the fastest a plain build has.
    for (size_t i = 0; i < n; ++i) {
        const void* lf = std::memchr(p + i, '\n', n - i);
        if (!lf) break;
        i = static_cast<size_t>(static_cast<const char*>(lf) - p);
        mask |= std::uint64_t{1} << i;
    }
    return mask;
}

size_t FindMonthMark(std::string_view text, const MonthMark& mark) {
    const std::string_view wanted(mark.data(), kMonthMarkSize);
    size_t i = 0;
#ifdef KESTROWA_VECTOR_SCAN
    // Sixteen places at once: a place is looked at closely only when its year and month units
    // are those of the mark.
    const char* p = text.data();
    const __m128i yearUnits = _mm_set1_epi8(mark[1]);
    const __m128i monthUnits = _mm_set1_epi8(mark[4]);
    for (; i + 16 + kMonthMarkSize <= text.size() + 1; i += 16) {
        const __m128i years = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 1));
        const __m128i months = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 4));
        const __m128i hits = _mm_and_si128(_mm_cmpeq_epi8(years, yearUnits), _mm_cmpeq_epi8(months, monthUnits));
        for (unsigned m = static_cast<unsigned>(_mm_movemask_epi8(hits)); m != 0; m &= m - 1) {
            const size_t place = i + static_cast<size_t>(__builtin_ctz(m));
            if (text.substr(place, kMonthMarkSize) == wanted) return place;
        }
    }
#endif
    return text.find(wanted, i);
}

}  // namespace kestrowa
