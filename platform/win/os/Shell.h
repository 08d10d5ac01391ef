#pragma once
#include "platform/Shell.h"

namespace kestrowa {

// The Windows shell: the known-folder lookup and shell-link objects through COM (the Unicode
// interfaces, so no path is cut to the ANSI code page). Each call initialises COM on the calling
// thread for its own use and uninitialises it again.
class SystemShell : public Shell {
public:
    std::optional<std::string> StartupFolder() const override;
    bool MakeShellLink(const std::string& target, const std::string& description,
                       const std::string& linkPath) override;
    std::optional<std::string> LinkTarget(const std::string& linkPath) const override;
};

}  // namespace kestrowa
