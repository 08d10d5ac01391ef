#include "platform/Directory.h"

#include <filesystem>

#include "platform/EntryPath.h"

namespace kestrowa {

namespace fs = std::filesystem;

namespace {

Removal Remove(const std::string& folder, const std::string& relative, bool wantFolder) {
    const fs::path path = fs::path(folder) / relative;
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (ec) return Removal::Failed;
    // The entry may be a link, removed as such; what leads to it must not be one.
    const fs::path holder = fs::canonical(path.parent_path(), ec);
    if (ec) return Removal::Failed;
    const fs::path root = fs::canonical(folder, ec);
    if (ec) return Removal::Failed;
    if (!IsEntryOf((holder / path.filename()).string(), root.string(), relative, '/'))
        return Removal::LeftAlone;
    const bool kindFits = wantFolder ? fs::is_directory(status) || fs::is_symlink(status)
                                     : !fs::is_directory(status);
    // remove() takes a file, an empty folder or a link itself, and refuses a folder with contents.
    return kindFits && fs::remove(path, ec) ? Removal::Removed : Removal::Failed;
}

}  // namespace

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

Removal SystemDirectory::RemoveFile(const std::string& folder, const std::string& relative) {
    return Remove(folder, relative, false);
}

Removal SystemDirectory::RemoveEmptyFolder(const std::string& folder, const std::string& relative) {
    return Remove(folder, relative, true);
}

}  // namespace kestrowa
