#include "platform/TemporaryFile.h"

#include <windows.h>

#include <algorithm>

#include "platform/win/os/Handle.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

std::optional<TemporaryFile> TemporaryFile::Write(std::string_view bytes) {
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t name[MAX_PATH + 1] = {};
    // The name is made as an empty file, so no other process can take it meanwhile.
    if (!GetTempPathW(MAX_PATH + 1, folder) || !GetTempFileNameW(folder, L"kes", 0, name)) return std::nullopt;
    TemporaryFile file(WideToUtf8(name));
    KernelHandle handle(
        CreateFileW(name, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_TEMPORARY, nullptr));
    if (!handle) return std::nullopt;
    size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1u << 30));
        DWORD n = 0;
        if (!WriteFile(handle.Get(), bytes.data() + written, chunk, &n, nullptr) || n == 0) return std::nullopt;
        written += n;
    }
    return file;
}

TemporaryFile::~TemporaryFile() {
    if (!path_.empty()) DeleteFileW(Utf8ToWide(path_).c_str());
}

}  // namespace kestrowa
