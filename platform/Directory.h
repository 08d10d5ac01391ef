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

// What became of an entry that was to be removed.
enum class Removal {
    Removed,
    Failed,  // missing, in use, read-only, of the other kind, a folder that still holds something
    // Opening the entry reached something else: a link the system would follow (and so remove
    // what it leads to), or another entry that the system's path rules take the name for. It
    // stays, so the user can see to it.
    LeftAlone,
};

// The part of the file system a program that tidies a folder needs. Paths are UTF-8; a folder
// path ends with its separator.
class Directory {
public:
    virtual ~Directory() = default;
    // The entries of a folder in the order the system's search returns them, without "." and
    // "..". A folder that cannot be searched has no entries.
    virtual std::vector<DirectoryEntry> List(const std::string& folder) const = 0;
    // Remove the entry `relative` of `folder`: names as List gave them, joined by the folder's
    // separator. Only that very entry goes: no link on the way is followed, a link itself is
    // removed as a link where the system can do so safely, and a folder only when it is empty.
    virtual Removal RemoveFile(const std::string& folder, const std::string& relative) = 0;
    virtual Removal RemoveEmptyFolder(const std::string& folder, const std::string& relative) = 0;
};

// The real file system.
class SystemDirectory : public Directory {
public:
    std::vector<DirectoryEntry> List(const std::string& folder) const override;
    Removal RemoveFile(const std::string& folder, const std::string& relative) override;
    Removal RemoveEmptyFolder(const std::string& folder, const std::string& relative) override;
};

}  // namespace kestrowa
