#pragma once
#include <map>
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

// Profile held in memory; for tests and for settings that must not outlive the process.
class MemoryProfile : public Profile {
public:
    int ReadInt(std::string_view section, std::string_view key, int fallback) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view fallback) const override;
    void WriteText(std::string_view section, std::string_view key, std::string_view value) override;
    bool Has(std::string_view section, std::string_view key) const;

private:
    struct Value {
        bool isInt = false;
        int number = 0;
        std::string text;
    };
    static std::string Name(std::string_view section, std::string_view key);
    std::map<std::string, Value> values_;
};

}  // namespace kestrowa
