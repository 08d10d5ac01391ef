#pragma once
#include <string>
#include <string_view>

namespace kestrowa {

// A full Windows path in the form the system takes as it is: "\\?\" before a drive path,
// "\\?\UNC\" in place of the two backslashes of a network path, "/" turned into "\". In that
// form no name loses its trailing dots or blanks, so "notes.txt." never stands for "notes.txt".
// A path already in that form, or any other, only has its separators turned.
std::string ExactPath(std::string_view path);

// True when `finalPath`, the real path of an opened entry, is exactly `relative` (names from a
// folder listing, joined by `separator`) below `folderFinalPath`, the real path of the folder:
// the entry was reached through no link and no name was changed on the way. Names are compared
// as they are, case included.
bool IsEntryOf(std::string_view finalPath, std::string_view folderFinalPath,
               std::string_view relative, char separator);

}  // namespace kestrowa
