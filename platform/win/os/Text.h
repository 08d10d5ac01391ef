#pragma once
#include <string>
#include <string_view>

namespace kestrowa {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// Bytes in the system's ANSI code page (files of older programs) to UTF-8.
std::string AnsiToUtf8(std::string_view text);

}  // namespace kestrowa
