#pragma once
#include <cctype>
#include <map>
#include <string>
#include <string_view>

#include "platform/Profile.h"

namespace kestrowa {

// A profile held in memory; names compare as the real stores compare them, without regard to
// ASCII case.
class MemoryProfile : public Profile {
public:
    int ReadInt(std::string_view section, std::string_view key, int fallback) const override {
        auto it = values_.find(Name(section, key));
        return it != values_.end() && it->second.isInt ? it->second.number : fallback;
    }
    void WriteInt(std::string_view section, std::string_view key, int value) override {
        values_[Name(section, key)] = Value{true, value, {}};
    }
    std::string ReadText(std::string_view section, std::string_view key, std::string_view fallback) const override {
        auto it = values_.find(Name(section, key));
        return it != values_.end() && !it->second.isInt ? it->second.text : std::string(fallback);
    }
    void WriteText(std::string_view section, std::string_view key, std::string_view value) override {
        values_[Name(section, key)] = Value{false, 0, std::string(value)};
    }
    bool Has(std::string_view section, std::string_view key) const { return values_.count(Name(section, key)) != 0; }

private:
    struct Value {
        bool isInt = false;
        int number = 0;
        std::string text;
    };
    static std::string Name(std::string_view section, std::string_view key) {
        std::string name;
        name.reserve(section.size() + key.size() + 1);
        for (char c : section) name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        name += '\\';
        for (char c : key) name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return name;
    }
    std::map<std::string, Value> values_;
};

}  // namespace kestrowa
