#pragma once
// The host system a test under Wine runs on: its paths as Windows programs see them, and its
// programs.
#include <windows.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>

#include "WaitFor.h"
#include "platform/win/os/Text.h"

// The Windows path of a host path when running under Wine; the path itself otherwise.
inline std::wstring HostPathToWindows(const std::string& hostPath) {
    using ToDos = LPWSTR(CDECL*)(LPCSTR);
    auto toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name")));
    if (!toDos) return std::wstring(hostPath.begin(), hostPath.end());
    LPWSTR dos = toDos(hostPath.c_str());
    if (!dos) return {};
    std::wstring path(dos);
    HeapFree(GetProcessHeap(), 0, dos);
    return path;
}

// Runs a host program on the host's names of `paths` and waits until `done` holds, as Wine starts
// it apart from this process. Links of the host are made and removed so: Wine shows a link to a
// file as that file, and removing it through Wine removes the target.
inline bool OnHost(const std::string& program, const wchar_t* option,
                   std::initializer_list<std::filesystem::path> paths, const std::function<bool()>& done) {
    auto toUnix = reinterpret_cast<LPSTR(CDECL*)(LPCWSTR)>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!toUnix) return false;
    std::wstring commandLine = HostPathToWindows(program) + L" " + option;
    for (const std::filesystem::path& path : paths) {
        LPSTR name = toUnix(path.c_str());
        commandLine += L" \"" + kestrowa::Utf8ToWide(name ? name : "") + L"\"";
        HeapFree(GetProcessHeap(), 0, name);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return kestrowa::WaitFor(program + " done", done, std::chrono::seconds(10));
}
