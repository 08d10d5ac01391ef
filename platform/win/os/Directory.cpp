#include "platform/Directory.h"

#include <windows.h>

#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {
class FindHandle {
public:
    explicit FindHandle(HANDLE h) : h_(h) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
    }
    HANDLE Get() const { return h_; }

private:
    HANDLE h_;
};
}  // namespace

std::vector<DirectoryEntry> SystemDirectory::List(const std::string& folder) const {
    std::vector<DirectoryEntry> entries;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(Utf8ToWide(folder + "*.*").c_str(), &data));
    if (find.Get() == INVALID_HANDLE_VALUE) return entries;
    do {
        std::wstring_view name(data.cFileName);
        if (name == L"." || name == L"..") continue;
        entries.push_back({WideToUtf8(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (FindNextFileW(find.Get(), &data));
    return entries;
}

bool SystemDirectory::RemoveFile(const std::string& path) {
    return DeleteFileW(Utf8ToWide(path).c_str()) != 0;
}

bool SystemDirectory::RemoveEmptyFolder(const std::string& path) {
    return RemoveDirectoryW(Utf8ToWide(path).c_str()) != 0;
}

}  // namespace kestrowa
