#pragma once
#include <optional>
#include <string>

namespace kestrowa {

// The shell services a program needs to start with Windows: the current user's Startup folder
// and shortcut (.lnk) files. Paths are UTF-8.
class Shell {
public:
    virtual ~Shell() = default;
    // The current user's Startup folder with its trailing separator; nothing when the system
    // cannot name one.
    virtual std::optional<std::string> StartupFolder() const = 0;
    // Saves the shortcut file `linkPath` (replacing one of that name) that starts `target`. True
    // when the file was saved.
    virtual bool MakeShellLink(const std::string& target, const std::string& description,
                               const std::string& linkPath) = 0;
    // The program a shortcut file starts, as the shortcut names it; nothing when the file cannot
    // be read as a shortcut.
    virtual std::optional<std::string> LinkTarget(const std::string& linkPath) const = 0;
};

}  // namespace kestrowa
