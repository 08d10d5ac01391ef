#pragma once
#include <map>
#include <optional>
#include <string>

#include "platform/Shell.h"

namespace kestrowa {

// The shell in memory: the Startup folder it is given and shortcuts by path.
class MemoryShell : public Shell {
public:
    std::optional<std::string> StartupFolder() const override { return startupFolder; }
    bool MakeShellLink(const std::string& target, const std::string&, const std::string& linkPath) override {
        if (refuseLinks) return false;
        links[linkPath] = target;
        return true;
    }
    std::optional<std::string> LinkTarget(const std::string& linkPath) const override {
        auto it = links.find(linkPath);
        if (it == links.end()) return std::nullopt;
        return it->second;
    }

    std::optional<std::string> startupFolder;
    std::map<std::string, std::string> links;  // link path → target
    bool refuseLinks = false;                  // every MakeShellLink fails
};

}  // namespace kestrowa
