#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace kestrowa {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file named by a UTF-8 path with a C stdio mode; null when it cannot be opened.
// Always use binary modes: line ends are handled by the readers themselves. A mode that reads
// ("r…") opens only a regular file: a folder, a device or a pipe could hang the reader or give it
// no end, so it counts as a file that cannot be opened.
FilePtr OpenFile(const std::string& path, const char* mode);

// Creates an empty file at a UTF-8 path where nothing is yet; false when anything is there (a file,
// a folder, a link, a device) or it cannot be made. What stands at the path is never opened.
bool CreateNewFile(const std::string& path);

// The length of an open file in bytes (64-bit on every system); -1 when it cannot be found.
std::int64_t FileLength(std::FILE* file);
// Reads up to `count` bytes from `offset` on; how many were read.
size_t ReadAt(std::FILE* file, std::int64_t offset, char* into, size_t count);

}  // namespace kestrowa
