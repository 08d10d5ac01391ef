#pragma once
#include <string>
#include <string_view>

namespace kestrowa {

// printf-style formatting into a std::string; every displayed number goes through it.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The C library's integer conversion (atoi) of a piece of text: leading blanks, a sign and the
// digits that follow; anything else gives 0.
int ToInt(std::string_view text);

// Characters [from, from + count) of a text, as much of it as exists.
std::string_view Columns(std::string_view text, size_t from, size_t count);

}  // namespace kestrowa
