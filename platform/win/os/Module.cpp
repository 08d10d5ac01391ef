#include "platform/win/os/Module.h"

#include <windows.h>

#include "platform/win/os/Text.h"

namespace kestrowa {

std::string ModulePath() {
    // A path may exceed MAX_PATH; the call says the buffer was too small by filling it.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return WideToUtf8(path);
        }
        if (path.size() >= 0x10000) return {};
        path.resize(path.size() * 2);
    }
}

std::string ProgramFolder() {
    const std::string path = ModulePath();
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace kestrowa
