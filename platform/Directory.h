#pragma once
#include <string>
#include <vector>

namespace kestrowa {

struct DirectoryEntry {
    std::string name;  // UTF-8, without a path
    bool folder = false;
    // A symbolic link or junction: what it leads to may lie anywhere, so nobody looks into it.
    bool link = false;
};

// The part of the file system a program that tidies a folder needs. Paths are UTF-8; a folder
// path ends with its separator.
class Directory {
public:
    virtual ~Directory() = default;
    // The entries of a folder in the order the system's search returns them, without "." and
    // "..". A folder that cannot be searched has no entries.
    virtual std::vector<DirectoryEntry> List(const std::string& folder) const = 0;
    // Both report success; a folder is only removed when it is empty.
    virtual bool RemoveFile(const std::string& path) = 0;
    virtual bool RemoveEmptyFolder(const std::string& path) = 0;
};

// The real file system.
class SystemDirectory : public Directory {
public:
    std::vector<DirectoryEntry> List(const std::string& folder) const override;
    bool RemoveFile(const std::string& path) override;
    bool RemoveEmptyFolder(const std::string& path) override;
};

}  // namespace kestrowa
