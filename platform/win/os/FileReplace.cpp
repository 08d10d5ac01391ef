#include "platform/FileReplace.h"

#include <windows.h>

#include <algorithm>

#include "platform/win/os/Handle.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {

// A new file takes the rights its folder passes on, so `like` is not needed here.
class Win32FileSteps : public FileSteps {
public:
    bool IsRegularFile(const std::string& path) override {
        const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
    bool WriteNew(const std::string& path, std::string_view contents, const std::string&) override {
        KernelHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
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
    // another program holds the file open.
    bool Link(const std::string& from, const std::string& to) override {
        return CopyFileW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), TRUE) != 0;
    }
    bool Rename(const std::string& from, const std::string& to) override {
        return MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    void Remove(const std::string& path) override { DeleteFileW(Utf8ToWide(path).c_str()); }
};

}  // namespace

bool SystemFileReplacer::ReplaceKeepingBackup(const std::string& path, const std::string& backup,
                                              std::string_view contents) {
    Win32FileSteps steps;
    return ReplaceThrough(steps, path, backup, contents);
}

}  // namespace kestrowa
