#pragma once
#include <string>

#include "platform/Profile.h"

namespace kestrowa {

// The Windows directory, without a trailing backslash.
std::string WindowsDirectory();

// Profile in an INI file through the private profile functions: sections in brackets, one
// "key=value" line per value, integers written as decimal text. The file is created by the first
// write; a missing file or key reads as the default. Write failures are ignored.
class IniProfile : public Profile {
public:
    explicit IniProfile(std::string path) : path_(std::move(path)) {}
    // The file of that name in the Windows directory, where a program's own INI file lives.
    static IniProfile InWindowsDirectory(std::string_view fileName);

    const std::string& Path() const { return path_; }
    int ReadInt(std::string_view section, std::string_view key, int fallback) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view fallback) const override;
    void WriteText(std::string_view section, std::string_view key, std::string_view value) override;

private:
    std::string path_;
};

}  // namespace kestrowa
