#include "platform/win/os/RegistryProfile.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/win/os/Handle.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

RegistryProfile::RegistryProfile(std::string root, std::string program)
    : root_(std::move(root)), program_(std::move(program)) {}

std::wstring RegistryProfile::KeyPath(std::string_view section) const {
    return Utf8ToWide(root_ + "\\" + program_ + "\\" + std::string(section));
}

int RegistryProfile::ReadInt(std::string_view section, std::string_view key, int fallback) const {
    DWORD value = 0;
    DWORD size = sizeof value;
    LSTATUS rc = RegGetValueW(HKEY_CURRENT_USER, KeyPath(section).c_str(), Utf8ToWide(key).c_str(),
                              RRF_RT_REG_DWORD, nullptr, &value, &size);
    return rc == ERROR_SUCCESS ? static_cast<int>(value) : fallback;
}

std::string RegistryProfile::ReadText(std::string_view section, std::string_view key,
                                      std::string_view fallback) const {
    std::wstring path = KeyPath(section);
    std::wstring name = Utf8ToWide(key);
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS)
        return std::string(fallback);
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                     buffer.data(), &size) != ERROR_SUCCESS)
        return std::string(fallback);
    return WideToUtf8(buffer.data());
}

void RegistryProfile::WriteInt(std::string_view section, std::string_view key, int value) {
    RegKey k;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, k.Out(), nullptr) != ERROR_SUCCESS)
        return;
    DWORD data = static_cast<DWORD>(value);
    RegSetValueExW(k.Get(), Utf8ToWide(key).c_str(), 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&data), sizeof data);
}

void RegistryProfile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    RegKey k;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, k.Out(), nullptr) != ERROR_SUCCESS)
        return;
    std::wstring data = Utf8ToWide(value);
    RegSetValueExW(k.Get(), Utf8ToWide(key).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

}  // namespace kestrowa
