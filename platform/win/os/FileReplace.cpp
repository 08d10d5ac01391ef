#include "platform/FileReplace.h"

#include <windows.h>

#include <algorithm>

#include "platform/win/os/Handle.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {
// Writes the whole of `contents` to a new file and forces it to the disk.
bool WriteNewFile(const std::wstring& path, std::string_view contents) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    for (size_t done = 0; done < contents.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file.Get(), contents.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return FlushFileBuffers(file.Get()) != 0;
}
}  // namespace

// The system swaps the new file in and moves the old one to a name of our own in one call; that
// name then becomes the backup. A failure undoes what was done before it, so a backup that
// cannot be replaced (held open) leaves the old file in place.
bool SystemFileReplacer::ReplaceKeepingBackup(const std::string& path, const std::string& backup,
                                              std::string_view contents) {
    const std::wstring target = Utf8ToWide(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    const std::wstring fresh = target + L".replacing";
    const std::wstring kept = target + L".replaced";
    if (!WriteNewFile(fresh, contents)) {
        DeleteFileW(fresh.c_str());
        return false;
    }
    DeleteFileW(kept.c_str());
    if (!ReplaceFileW(target.c_str(), fresh.c_str(), kept.c_str(), 0, nullptr, nullptr)) {
        // The old file may already carry the backup name when the new one could not take its place.
        if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
            MoveFileExW(kept.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        DeleteFileW(fresh.c_str());
        return false;
    }
    if (!MoveFileExW(kept.c_str(), Utf8ToWide(backup).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        MoveFileExW(kept.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        return false;
    }
    return true;
}

}  // namespace kestrowa
