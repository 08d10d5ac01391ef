#include "platform/TemporaryFile.h"

#include <unistd.h>

#include <cstdlib>

namespace kestrowa {

std::optional<TemporaryFile> TemporaryFile::Write(std::string_view bytes) {
    const char* folder = std::getenv("TMPDIR");
    std::string name = std::string(folder && *folder ? folder : "/tmp") + "/kestrowa-XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return std::nullopt;
    TemporaryFile file(name);
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    if (::close(fd) != 0 || written < bytes.size()) return std::nullopt;
    return file;
}

TemporaryFile::~TemporaryFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
}

}  // namespace kestrowa
