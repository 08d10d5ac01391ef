#pragma once
#include <string>
#include <string_view>

namespace kestrowa {

// Settings by section and key, integers and texts, with a default for every read. Key and
// section names compare without regard to ASCII case, as the registry and INI files do.
class Profile {
public:
    virtual ~Profile() = default;
    virtual int ReadInt(std::string_view section, std::string_view key, int fallback) const = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual std::string ReadText(std::string_view section, std::string_view key,
                                 std::string_view fallback) const = 0;
    virtual void WriteText(std::string_view section, std::string_view key, std::string_view value) = 0;
};

}  // namespace kestrowa
