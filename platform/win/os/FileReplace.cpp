#include "platform/FileReplace.h"

#include <windows.h>

#include <algorithm>

#include "platform/EntryPath.h"
#include "platform/win/os/Entry.h"
#include "platform/win/os/Handle.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {

// The attributes a program may set on a file.
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A new file takes the rights its folder passes on, so `like` is not needed here.
class Win32FileSteps : public FileSteps {
public:
    bool IsRegularFile(const std::string& path) override {
        const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
    bool WriteNew(const std::string& path, std::string_view contents, const std::string&) override {
        KernelHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        for (size_t done = 0; done < contents.size();) {
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - done, 1u << 30));
            DWORD written = 0;
            if (!WriteFile(file.Get(), contents.data() + done, chunk, &written, nullptr) || written == 0) return false;
            done += written;
        }
        return FlushFileBuffers(file.Get()) != 0;
    }
    // A copy: a second name would share the file's sharing, and could not be removed again while
    // another program holds the file open. It keeps the file's attributes, read-only included.
    bool Link(const std::string& from, const std::string& to) override {
        return CopyFileW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), TRUE) != 0;
    }
    // The entry `to` is replaced as an entry: a link there goes, what it leads to stays.
    bool Rename(const std::string& from, const std::string& to) override {
        return MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    // Removed through a handle opened without following a link and found to be that very name
    // in its folder: Wine opens what a link of the host leads to all the same, and deleting by
    // name would delete that.
    bool Remove(const std::string& path) override {
        KernelHandle entry = OpenExisting(path, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                                          FILE_FLAG_OPEN_REPARSE_POINT);
        if (!entry) return GetLastError() == ERROR_FILE_NOT_FOUND;
        const size_t cut = path.find_last_of("\\/");
        KernelHandle folder = OpenExisting(path.substr(0, cut + 1), FILE_READ_ATTRIBUTES, 0);
        BY_HANDLE_FILE_INFORMATION info{};
        if (!folder || !IsEntryOf(FinalPath(entry), FinalPath(folder), path.substr(cut + 1), '\\') ||
            !GetFileInformationByHandle(entry.Get(), &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return false;
        if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
            if (info.nNumberOfLinks != 1) return false;
            FILE_BASIC_INFO basic{};  // times of 0 stay as they are
            basic.FileAttributes = info.dwFileAttributes & kSettableAttributes;
            if (basic.FileAttributes == 0) basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
            if (!SetFileInformationByHandle(entry.Get(), FileBasicInfo, &basic, sizeof basic)) return false;
        }
        FILE_DISPOSITION_INFO dispose{TRUE};
        return SetFileInformationByHandle(entry.Get(), FileDispositionInfo, &dispose, sizeof dispose) != 0;
    }
};

}  // namespace

bool SystemFileReplacer::ReplaceKeepingBackup(const std::string& path, const std::string& backup,
                                              std::string_view contents) {
    Win32FileSteps steps;
    return ReplaceThrough(steps, path, backup, contents);
}

}  // namespace kestrowa
