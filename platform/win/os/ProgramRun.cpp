#include "platform/ProgramRun.h"

#include <windows.h>

#include "platform/win/os/Handle.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

std::optional<std::string> FindProgram(std::string_view name) {
    const DWORD length = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    std::wstring searchPath(length, L'\0');
    const DWORD copied = length ? GetEnvironmentVariableW(L"PATH", searchPath.data(), length) : 0;
    searchPath.resize(copied < length ? copied : 0);
    return FindOnSearchPath(name, WideToUtf8(searchPath), SearchPathForm::Windows, [](const std::string& path) {
        const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
    });
}

// The program is named to CreateProcessW itself, so the system searches nowhere (neither the
// current folder nor the PATH) and runs exactly that file.
std::optional<int> RunProgram(const std::string& path, const std::vector<std::string>& args) {
    std::vector<std::string> all = {path};
    all.insert(all.end(), args.begin(), args.end());
    std::wstring line = Utf8ToWide(WindowsCommandLine(all));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(Utf8ToWide(path).c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &info))
        return std::nullopt;
    KernelHandle process(info.hProcess);
    KernelHandle thread(info.hThread);
    DWORD code = 0;
    if (WaitForSingleObject(process.Get(), INFINITE) != WAIT_OBJECT_0 || !GetExitCodeProcess(process.Get(), &code))
        return -1;
    return static_cast<int>(code);
}

}  // namespace kestrowa
