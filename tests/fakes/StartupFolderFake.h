#pragma once
#include <string>
#include <vector>

#include "fakes/MemoryShell.h"
#include "platform/Directory.h"

namespace kestrowa {

// A Startup folder whose files are the shell's shortcuts; deleting one removes it from both.
class StartupFolderFake : public Directory {
public:
    explicit StartupFolderFake(MemoryShell& shell) : shell_(shell) {}
    std::vector<DirectoryEntry> List(const std::string& folder) const override {
        listed.push_back(folder);
        std::vector<DirectoryEntry> entries;
        for (const auto& [path, target] : shell_.links)
            if (path.starts_with(folder)) entries.push_back({path.substr(folder.size())});
        return entries;
    }
    Removal RemoveFile(const std::string& folder, const std::string& name) override {
        return shell_.links.erase(folder + name) == 1 ? Removal::Removed : Removal::Failed;
    }
    Removal RemoveEmptyFolder(const std::string&, const std::string&) override { return Removal::Failed; }

    mutable std::vector<std::string> listed;

private:
    MemoryShell& shell_;
};

}  // namespace kestrowa
