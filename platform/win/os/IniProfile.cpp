#include "platform/win/os/IniProfile.h"

#include <windows.h>

#include <vector>

#include "platform/win/os/Text.h"

namespace kestrowa {

std::string WindowsDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
    UINT n = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (n >= buffer.size()) {
        buffer.assign(n + 1, L'\0');
        n = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    if (n == 0 || n >= buffer.size()) return {};
    return WideToUtf8(std::wstring_view(buffer.data(), n));
}

IniProfile IniProfile::InWindowsDirectory(std::string_view fileName) {
    return IniProfile(WindowsDirectory() + "\\" + std::string(fileName));
}

int IniProfile::ReadInt(std::string_view section, std::string_view key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(), fallback,
                                                  Utf8ToWide(path_).c_str()));
}

std::string IniProfile::ReadText(std::string_view section, std::string_view key, std::string_view fallback) const {
    const std::wstring s = Utf8ToWide(section), k = Utf8ToWide(key), d = Utf8ToWide(fallback), p = Utf8ToWide(path_);
    // The function cuts a value to the buffer and says so by filling it: grow until it fits.
    for (DWORD size = 256;; size *= 2) {
        std::vector<wchar_t> buffer(size, L'\0');
        DWORD n = GetPrivateProfileStringW(s.c_str(), k.c_str(), d.c_str(), buffer.data(), size, p.c_str());
        if (n + 1 < size || size >= (1u << 20)) return WideToUtf8(std::wstring_view(buffer.data(), n));
    }
}

void IniProfile::WriteInt(std::string_view section, std::string_view key, int value) {
    WriteText(section, key, std::to_string(value));
}

void IniProfile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    WritePrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(), Utf8ToWide(value).c_str(),
                               Utf8ToWide(path_).c_str());
}

}  // namespace kestrowa
