#pragma once
// The byte searches that every read of the log makes over every line, done 16 bytes at a time
// with the processor's vector instructions where it has them (SSE2 on x86-64), else one byte at
// a time. This pair of files is the only place that knows about such instructions; defining
// KESTROWA_PORTABLE_SCAN builds the plain branch everywhere, which the tests run too.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__) && !defined(KESTROWA_PORTABLE_SCAN)
#define KESTROWA_VECTOR_SCAN 1
#include <emmintrin.h>
#endif

namespace kestrowa {

// A line of the form the recorder writes: 16 characters "T yy/mm/dd hh:mm" (a capital letter,
// digits where the figures stand), then CR LF.
inline constexpr size_t kRecorderLineSize = 16;
inline constexpr size_t kRecorderLineBytes = 18;

// Whether the kRecorderLineBytes bytes from `p` are a line of the recorder's form. Inline: it is
// asked of every line of the log, and most lines have that form.
inline bool IsRecorderLine(const char* p) {
    std::uint16_t ending, crLf;
    std::memcpy(&ending, p + kRecorderLineSize, sizeof ending);
    std::memcpy(&crLf, "\r\n", sizeof crLf);
    if (ending != crLf) return false;
#ifdef KESTROWA_VECTOR_SCAN
    // Each column as its distance above the least byte it may hold, which must not exceed its span.
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i least = _mm_setr_epi8('A', ' ', '0', '0', '/', '0', '0', '/', '0', '0', ' ', '0', '0', ':', '0', '0');
    const __m128i span = _mm_setr_epi8(25, 0, 9, 9, 0, 9, 9, 0, 9, 9, 0, 9, 9, 0, 9, 9);
    const __m128i above = _mm_sub_epi8(bytes, least);
    return _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(above, span), above)) == 0xFFFF;
#else
    // The same rule a column at a time, without a branch, so that a compiler may take the 16
    // columns at once.
    static constexpr unsigned char kLeast[kRecorderLineSize] = {'A', ' ', '0', '0', '/', '0', '0', '/',
                                                                '0', '0', ' ', '0', '0', ':', '0', '0'};
    static constexpr unsigned char kSpan[kRecorderLineSize] = {25, 0, 9, 9, 0, 9, 9, 0, 9, 9, 0, 9, 9, 0, 9, 9};
    bool fits = true;
    for (size_t i = 0; i < kRecorderLineSize; ++i)
        fits &= static_cast<unsigned char>(static_cast<unsigned char>(p[i]) - kLeast[i]) <= kSpan[i];
    return fits;
#endif
}

// One bit for each LF among the `n` bytes from `p` (at most kLineFeedMaskBytes), bit j for
// byte j: lines are short, so their ends are found for 64 bytes at a time.
inline constexpr size_t kLineFeedMaskBytes = 64;
std::uint64_t LineFeedMask(const char* p, size_t n);

// "yy/mm/" of a month, as its lines hold it in columns 2-7.
inline constexpr size_t kMonthMarkSize = 6;
using MonthMark = std::array<char, kMonthMarkSize>;

// The offset of the first place in `text` where `mark` stands, or npos.
size_t FindMonthMark(std::string_view text, const MonthMark& mark);

}  // namespace kestrowa
