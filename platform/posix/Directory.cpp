#include "platform/Directory.h"

#include <filesystem>

namespace kestrowa {

namespace fs = std::filesystem;

std::vector<DirectoryEntry> SystemDirectory::List(const std::string& folder) const {
    std::vector<DirectoryEntry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statusError;
        bool link = it->is_symlink(statusError);
        entries.push_back({it->path().filename().string(), it->is_directory(statusError), link});
    }
    return entries;
}

bool SystemDirectory::RemoveFile(const std::string& path) {
    std::error_code ec;
    fs::file_status status = fs::symlink_status(path, ec);
    if (ec || fs::is_directory(status)) return false;
    return fs::remove(path, ec);
}

bool SystemDirectory::RemoveEmptyFolder(const std::string& path) {
    std::error_code ec;
    fs::file_status status = fs::symlink_status(path, ec);
    if (ec || !(fs::is_directory(status) || fs::is_symlink(status))) return false;
    // remove() takes an empty folder (or the link itself) and refuses a folder with contents.
    return fs::remove(path, ec);
}

}  // namespace kestrowa
