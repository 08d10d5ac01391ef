#include "platform/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrowa {

namespace {
// Writes the whole of `contents` to a new file and forces it to the disk.
bool WriteNewFile(const std::string& path, std::string_view contents, mode_t mode) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    bool written = true;
    for (size_t done = 0; written && done < contents.size();) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        written = n > 0;
        if (written) done += static_cast<size_t>(n);
    }
    written = written && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}
}  // namespace

// The old file stays reachable under a second name (a hard link) while the new one is renamed
// over it, which replaces it in one step; the second name then becomes the backup. A failure
// undoes what was done before it.
bool SystemFileReplacer::ReplaceKeepingBackup(const std::string& path, const std::string& backup,
                                              std::string_view contents) {
    struct stat old{};
    if (::lstat(path.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return false;
    const std::string fresh = path + ".replacing";
    const std::string kept = path + ".replaced";
    if (!WriteNewFile(fresh, contents, old.st_mode & 07777)) {
        ::unlink(fresh.c_str());
        return false;
    }
    ::unlink(kept.c_str());
    if (::link(path.c_str(), kept.c_str()) != 0) {
        ::unlink(fresh.c_str());
        return false;
    }
    if (::rename(fresh.c_str(), path.c_str()) != 0) {
        ::unlink(fresh.c_str());
        ::unlink(kept.c_str());
        return false;
    }
    if (::rename(kept.c_str(), backup.c_str()) != 0) {
        ::rename(kept.c_str(), path.c_str());
        return false;
    }
    return true;
}

}  // namespace kestrowa
