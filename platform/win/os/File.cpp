#include "platform/File.h"

#include <fcntl.h>
#include <io.h>

#include <cstring>

#include "platform/win/os/Handle.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {

// A file on a disk opened for reading, or null. The attributes turn away a folder and what is no
// file to the host system (a FIFO); the type of what was opened turns away the devices whose names
// look like files (COM1, NUL) and pipes. The stream is made from that very handle.
FilePtr OpenRegularFile(const std::wstring& path, bool write) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
        return nullptr;
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ | (write ? GENERIC_WRITE : 0),
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file || GetFileType(file.Get()) != FILE_TYPE_DISK) return nullptr;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file.Get()), (write ? _O_RDWR : _O_RDONLY) | _O_BINARY);
    if (fd < 0) return nullptr;
    file.Release();
    FilePtr stream(_wfdopen(fd, write ? L"r+b" : L"rb"));
    if (!stream) _close(fd);
    return stream;
}

}  // namespace

// The narrow C runtime functions take the ANSI code page, not UTF-8: go through UTF-16.
FilePtr OpenFile(const std::string& path, const char* mode) {
    const std::wstring wide = Utf8ToWide(path);
    if (mode[0] == 'r') return OpenRegularFile(wide, std::strchr(mode, '+') != nullptr);
    return FilePtr(_wfopen(wide.c_str(), Utf8ToWide(mode).c_str()));
}

bool CreateNewFile(const std::string& path) {
    KernelHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

// fseek and ftell take a 32-bit long here: a log past 2 GB needs the 64-bit forms.
std::int64_t FileLength(std::FILE* file) {
    if (_fseeki64(file, 0, SEEK_END) != 0) return -1;
    return _ftelli64(file);
}

size_t ReadAt(std::FILE* file, std::int64_t offset, char* into, size_t count) {
    if (_fseeki64(file, offset, SEEK_SET) != 0) return 0;
    return std::fread(into, 1, count, file);
}

}  // namespace kestrowa
