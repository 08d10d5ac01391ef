#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kestrowa {

// A new file of the process's own in the system's temporary folder, made under a name nobody
// else holds; removed when the object goes. Its path is UTF-8.
class TemporaryFile {
public:
    // A file holding `bytes`; nullopt when none could be made or written in full.
    static std::optional<TemporaryFile> Write(std::string_view bytes);

    TemporaryFile(TemporaryFile&& other) noexcept : path_(std::exchange(other.path_, {})) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    TemporaryFile& operator=(TemporaryFile&&) = delete;
    ~TemporaryFile();

    const std::string& Path() const { return path_; }

private:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    std::string path_;
};

}  // namespace kestrowa
