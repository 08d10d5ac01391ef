#include "platform/Directory.h"

#include <windows.h>

#include "platform/EntryPath.h"
#include "platform/win/os/Entry.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {

Removal Remove(const std::string& folder, const std::string& relative, bool wantFolder) {
    // The folder itself is wherever its path leads; what lies in it is opened as it is, a
    // link as the link. Wine opens a host link's target all the same and so does any system
    // that follows a link regardless: the entry's real path then differs from the one asked
    // for, and removing through it would remove that target.
    KernelHandle root = OpenExisting(folder, FILE_READ_ATTRIBUTES, 0);
    KernelHandle entry = OpenExisting(folder + relative, DELETE | FILE_READ_ATTRIBUTES,
                                      FILE_FLAG_OPEN_REPARSE_POINT);
    if (!root || !entry) return Removal::Failed;
    if (!IsEntryOf(FinalPath(entry), FinalPath(root), relative, '\\')) return Removal::LeftAlone;
    FILE_ATTRIBUTE_TAG_INFO info{};
    if (!GetFileInformationByHandleEx(entry.Get(), FileAttributeTagInfo, &info, sizeof info) ||
        ((info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) != wantFolder)
        return Removal::Failed;
    // Through the handle, so exactly the entry that was checked goes; a folder that still
    // holds something refuses.
    FILE_DISPOSITION_INFO dispose{TRUE};
    return SetFileInformationByHandle(entry.Get(), FileDispositionInfo, &dispose, sizeof dispose)
               ? Removal::Removed
               : Removal::Failed;
}

}  // namespace

std::vector<DirectoryEntry> SystemDirectory::List(const std::string& folder) const {
    std::vector<DirectoryEntry> entries;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(Utf8ToWide(ExactPath(folder) + "*").c_str(), &data));
    if (!find) return entries;
    do {
        std::wstring_view name(data.cFileName);
        if (name == L"." || name == L"..") continue;
        entries.push_back({WideToUtf8(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (FindNextFileW(find.Get(), &data));
    return entries;
}

Removal SystemDirectory::RemoveFile(const std::string& folder, const std::string& relative) {
    return Remove(folder, relative, false);
}

Removal SystemDirectory::RemoveEmptyFolder(const std::string& folder, const std::string& relative) {
    return Remove(folder, relative, true);
}

}  // namespace kestrowa
