#include "platform/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace kestrowa {

FilePtr OpenFile(const std::string& path, const char* mode) {
    if (mode[0] != 'r') return FilePtr(std::fopen(path.c_str(), mode));
    // Opened without waiting, so that a FIFO cannot block here, and judged by what was opened.
    const int access = std::strchr(mode, '+') ? O_RDWR : O_RDONLY;
    const int fd = ::open(path.c_str(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return nullptr;
    }
    FilePtr file(::fdopen(fd, mode));
    if (!file) ::close(fd);
    return file;
}

bool CreateNewFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    return fd >= 0 && ::close(fd) == 0;
}

std::int64_t FileLength(std::FILE* file) {
    if (::fseeko(file, 0, SEEK_END) != 0) return -1;
    return ::ftello(file);
}

size_t ReadAt(std::FILE* file, std::int64_t offset, char* into, size_t count) {
    if (::fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) return 0;
    return std::fread(into, 1, count, file);
}

}  // namespace kestrowa
