#pragma once
#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "platform/File.h"
#include "platform/win/os/Text.h"

// A folder of its own under the temp folder, with a Japanese name so that every path a test
// makes in it needs the Unicode functions; removed with its contents afterwards. Paths are UTF-8.
class WideTempFolder {
public:
    WideTempFolder() {
        std::random_device rd;
        folder_ = std::filesystem::temp_directory_path() / (L"kestrowa-記録-" + std::to_wstring(rd()));
        std::filesystem::create_directory(folder_);
    }
    WideTempFolder(const WideTempFolder&) = delete;
    WideTempFolder& operator=(const WideTempFolder&) = delete;
    ~WideTempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    // The folder with its trailing backslash.
    std::string Path() const { return kestrowa::WideToUtf8(folder_.wstring()) + "\\"; }
    std::string File(const std::string& name) const { return Path() + name; }
    // The names in the folder.
    std::set<std::string> Listing() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            names.insert(kestrowa::WideToUtf8(entry.path().filename().wstring()));
        return names;
    }

    static bool Write(const std::string& path, const std::string& bytes) {
        kestrowa::FilePtr file = kestrowa::OpenFile(path, "wb");
        return file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    }
    // The bytes of a file; "<missing>" when it cannot be opened.
    static std::string Read(const std::string& path) {
        kestrowa::FilePtr file = kestrowa::OpenFile(path, "rb");
        if (!file) return "<missing>";
        std::string bytes;
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) bytes.append(buffer, n);
        return bytes;
    }

private:
    std::filesystem::path folder_;
};
