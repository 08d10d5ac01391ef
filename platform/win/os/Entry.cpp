#include "platform/win/os/Entry.h"

#include "platform/EntryPath.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

KernelHandle OpenExisting(const std::string& path, DWORD access, DWORD flags) {
    return KernelHandle(CreateFileW(Utf8ToWide(ExactPath(path)).c_str(), access,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr));
}

std::string FinalPath(const KernelHandle& handle) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetFinalPathNameByHandleW(handle.Get(), path.data(),
                                            static_cast<DWORD>(path.size()), VOLUME_NAME_DOS);
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return WideToUtf8(path);
        }
        path.resize(n);
    }
}

}  // namespace kestrowa
