#pragma once
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "platform/FileReplace.h"

namespace kestrowa {

// Files in memory, for tests; a path in `locked` stands for a file another program holds open.
class MemoryFileReplacer : public FileReplacer {
public:
    bool ReplaceKeepingBackup(const std::string& path, const std::string& backup, std::string_view contents) override {
        auto old = files.find(path);
        if (old == files.end() || locked.count(path) || locked.count(backup)) return false;
        files[backup] = std::move(old->second);
        old->second = std::string(contents);
        return true;
    }

    std::map<std::string, std::string> files;  // path → contents
    std::set<std::string> locked;
};

}  // namespace kestrowa
