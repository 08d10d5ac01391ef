#pragma once
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/win/os/Text.h"

// A folder of its own under the temp folder, with a Japanese name so that every path a test
// makes in it needs the Unicode functions; removed with its contents afterwards. Paths are UTF-8.
class WideTempFolder {
public:
    WideTempFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        std::random_device rd;
        folder_ = std::wstring(temp) + L"kestrowa-記録-" + std::to_wstring(rd()) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    WideTempFolder(const WideTempFolder&) = delete;
    WideTempFolder& operator=(const WideTempFolder&) = delete;
    ~WideTempFolder() {
        std::wstring from = folder_;
        from.pop_back();
        from.append(2, L'\0');
        SHFILEOPSTRUCTW remove{};
        remove.wFunc = FO_DELETE;
        remove.pFrom = from.c_str();
        remove.fFlags = FOF_NO_UI;
        SHFileOperationW(&remove);
    }

    // The folder with its trailing backslash.
    std::string Path() const { return kestrowa::WideToUtf8(folder_); }
    std::string File(const std::string& name) const { return Path() + name; }

    static bool Write(const std::string& path, const std::string& bytes) {
        HANDLE h = CreateFileW(kestrowa::Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                        written == bytes.size();
        CloseHandle(h);
        return ok;
    }
    // The bytes of a file; "<missing>" when it cannot be opened.
    static std::string Read(const std::string& path) {
        HANDLE h = CreateFileW(kestrowa::Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return "<missing>";
        std::string bytes;
        char buffer[4096];
        DWORD n = 0;
        while (ReadFile(h, buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
        CloseHandle(h);
        return bytes;
    }
    // The names in the folder, sorted.
    std::string Listing() const {
        std::string names;
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileW((folder_ + L"*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        std::vector<std::string> all;
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") all.push_back(kestrowa::WideToUtf8(name));
        } while (FindNextFileW(search, &found));
        FindClose(search);
        std::sort(all.begin(), all.end());
        for (const std::string& name : all) names += name + "|";
        return names;
    }

private:
    std::wstring folder_;
};
