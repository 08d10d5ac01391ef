#include "platform/EntryPath.h"

#include <algorithm>

namespace kestrowa {

std::string ExactPath(std::string_view path) {
    std::string turned(path);
    std::replace(turned.begin(), turned.end(), '/', '\\');
    const bool drive = turned.size() >= 3 && turned[1] == ':' && turned[2] == '\\';
    const bool network = turned.starts_with("\\\\") && !turned.starts_with("\\\\?\\") &&
                         !turned.starts_with("\\\\.\\");
    if (drive) return "\\\\?\\" + turned;
    if (network) return "\\\\?\\UNC\\" + turned.substr(2);
    return turned;
}

bool IsEntryOf(std::string_view finalPath, std::string_view folderFinalPath,
               std::string_view relative, char separator) {
    if (folderFinalPath.empty() || relative.empty()) return false;
    // A folder's real path ends with its separator only when it is the root of a drive.
    if (folderFinalPath.back() == separator) folderFinalPath.remove_suffix(1);
    return finalPath.size() == folderFinalPath.size() + 1 + relative.size() &&
           finalPath.starts_with(folderFinalPath) && finalPath[folderFinalPath.size()] == separator &&
           finalPath.ends_with(relative);
}

}  // namespace kestrowa
