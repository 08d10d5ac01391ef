#pragma once
#include <limits>
#include <string>
#include <string_view>

namespace kestrowa {

// printf-style formatting into a std::string: the texts that hold a figure among other characters.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A figure as the tables, graphs and boxes show it: the texts of Format("%*.*f", width,
// decimals, value) and Format("%*lld", width, value), the number right-aligned in `width` with
// blanks, made without the C library's formatter (the tables write thousands of them) by the
// same rule: the exact value rounded to the nearest, a tie to the even digit. Every figure is
// written through these; Format is for texts that hold a figure among other characters.
std::string PaddedDecimal(double value, int width, int decimals);
std::string PaddedInteger(long long value, int width);

// The C library's integer conversion (atoi) of a piece of text: leading blanks, a sign and the
// digits that follow; anything else gives 0. Inline, as every reader calls it for every line.
inline int ToInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int>::max()) value = std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -value : value);
}

// Characters [from, from + count) of a text, as much of it as exists.
inline std::string_view Columns(std::string_view text, size_t from, size_t count) {
    if (from >= text.size()) return {};
    return text.substr(from, count);
}

}  // namespace kestrowa
