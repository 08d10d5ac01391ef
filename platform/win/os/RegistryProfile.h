#pragma once
#include <string>

#include "platform/Profile.h"

namespace kestrowa {

// Profile in HKEY_CURRENT_USER\<root>\<program>\<section>: integers as REG_DWORD, texts as
// REG_SZ. A missing value reads as its default; keys are created by the first write; write
// failures are ignored.
class RegistryProfile : public Profile {
public:
    RegistryProfile(std::string root, std::string program);
    int ReadInt(std::string_view section, std::string_view key, int fallback) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view fallback) const override;
    void WriteText(std::string_view section, std::string_view key, std::string_view value) override;

private:
    std::wstring KeyPath(std::string_view section) const;
    std::string root_;
    std::string program_;
};

}  // namespace kestrowa
