#include "platform/FileReplace.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrowa {

namespace {

class PosixFileSteps : public FileSteps {
public:
    bool IsRegularFile(const std::string& path) override {
        struct stat status{};
        return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
    }
    bool WriteNew(const std::string& path, std::string_view contents, const std::string& like) override {
        struct stat model{};
        const mode_t mode = ::stat(like.c_str(), &model) == 0 ? (model.st_mode & 07777) : 0644;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
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
    bool Link(const std::string& from, const std::string& to) override { return ::link(from.c_str(), to.c_str()) == 0; }
    // rename() replaces the entry `to`, a link there included, as unlink() below removes a link
    // itself.
    bool Rename(const std::string& from, const std::string& to) override {
        return ::rename(from.c_str(), to.c_str()) == 0;
    }
    // A file's mode does not stop its removal here.
    bool Remove(const std::string& path) override {
        struct stat status{};
        if (::lstat(path.c_str(), &status) != 0) return errno == ENOENT;
        return !S_ISDIR(status.st_mode) && ::unlink(path.c_str()) == 0;
    }
};

}  // namespace

bool SystemFileReplacer::ReplaceKeepingBackup(const std::string& path, const std::string& backup,
                                              std::string_view contents) {
    PosixFileSteps steps;
    return ReplaceThrough(steps, path, backup, contents);
}

}  // namespace kestrowa
