#include "shared/Strings.h"

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace kestrowa {

std::string Format(const char* format, ...) {
    // Nearly every text fits the buffer on the stack, so it is formatted once.
    char buffer[128];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::string text;
    if (n > 0 && static_cast<size_t>(n) < sizeof buffer) {
        text.assign(buffer, static_cast<size_t>(n));
    } else if (n > 0) {
        text.resize(static_cast<size_t>(n));
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    }
    va_end(again);
    return text;
}

namespace {

// The characters [begin, end) right-aligned in `width` with blanks.
std::string RightAligned(const char* begin, const char* end, int width) {
    const size_t length = static_cast<size_t>(end - begin);
    const size_t blanks = width > 0 && static_cast<size_t>(width) > length ? static_cast<size_t>(width) - length : 0;
    std::string text(blanks + length, ' ');
    std::memcpy(text.data() + blanks, begin, length);
    return text;
}

}  // namespace

std::string PaddedDecimal(double value, int width, int decimals) {
    // The tables' figures are floats: a float times 100 is exact in a double (24 bits and 7), so
    // their digits come from one whole number, the exact value rounded to the nearest (a tie to
    // the even one) as the formatter rounds it.
    if (std::fabs(value) < 1e15 && decimals >= 0 && decimals <= 2 &&
        static_cast<double>(static_cast<float>(value)) == value) {
        static constexpr double kScale[] = {1.0, 10.0, 100.0};
        long long n = std::llrint(std::fabs(value) * kScale[decimals]);
        char digits[32];
        char* const end = digits + sizeof digits;
        char* p = end;
        for (int i = 0; i < decimals; ++i, n /= 10) *--p = static_cast<char>('0' + n % 10);
        if (decimals > 0) *--p = '.';
        do *--p = static_cast<char>('0' + n % 10);
        while ((n /= 10) != 0);
        if (std::signbit(value)) *--p = '-';
        return RightAligned(p, end, width);
    }
    char digits[400];
    const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc()) return Format("%*.*f", width, decimals, value);
    return RightAligned(digits, r.ptr, width);
}

std::string PaddedInteger(long long value, int width) {
    char digits[24];
    const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value);
    return RightAligned(digits, r.ptr, width);
}

}  // namespace kestrowa
