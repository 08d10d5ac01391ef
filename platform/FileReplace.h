#pragma once
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace kestrowa {

// Rewrites a file so that a failure at any point leaves it whole: readers see the old contents
// or the new, never a part. Paths are UTF-8.
class FileReplacer {
public:
    virtual ~FileReplacer() = default;
    // Writes `contents` in full to a new file beside `path`, then puts it in place of `path` in
    // one step and keeps the file it replaced as `backup` (an older backup is replaced). False
    // when `path` is not an existing file or any step fails (no room, no rights, the file held
    // open by another program); `path` and `backup` are then as they were.
    virtual bool ReplaceKeepingBackup(const std::string& path, const std::string& backup,
                                      std::string_view contents) = 0;
};

// The real file system.
class SystemFileReplacer : public FileReplacer {
public:
    bool ReplaceKeepingBackup(const std::string& path, const std::string& backup, std::string_view contents) override;
};

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
