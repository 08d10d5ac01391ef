#pragma once
#include <cstdio>
#include <memory>
#include <string>

namespace kestrowa {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file named by a UTF-8 path with a C stdio mode; null when it cannot be opened.
// Always use binary modes: line ends are handled by the readers themselves.
FilePtr OpenFile(const std::string& path, const char* mode);

}  // namespace kestrowa
