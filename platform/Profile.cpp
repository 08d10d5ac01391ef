#include "platform/Profile.h"

#include <cctype>

namespace kestrowa {

std::string MemoryProfile::Name(std::string_view section, std::string_view key) {
    std::string name;
    name.reserve(section.size() + key.size() + 1);
    for (char c : section) name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    name += '\\';
    for (char c : key) name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

int MemoryProfile::ReadInt(std::string_view section, std::string_view key, int fallback) const {
    auto it = values_.find(Name(section, key));
    return it != values_.end() && it->second.isInt ? it->second.number : fallback;
}

void MemoryProfile::WriteInt(std::string_view section, std::string_view key, int value) {
    values_[Name(section, key)] = Value{true, value, {}};
}

std::string MemoryProfile::ReadText(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    auto it = values_.find(Name(section, key));
    return it != values_.end() && !it->second.isInt ? it->second.text : std::string(fallback);
}

void MemoryProfile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    values_[Name(section, key)] = Value{false, 0, std::string(value)};
}

bool MemoryProfile::Has(std::string_view section, std::string_view key) const {
    return values_.count(Name(section, key)) != 0;
}

}  // namespace kestrowa
