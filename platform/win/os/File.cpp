#include "platform/File.h"

#include "platform/win/os/Text.h"

namespace kestrowa {

// The narrow C runtime functions take the ANSI code page, not UTF-8: go through UTF-16.
FilePtr OpenFile(const std::string& path, const char* mode) {
    return FilePtr(_wfopen(Utf8ToWide(path).c_str(), Utf8ToWide(mode).c_str()));
}

}  // namespace kestrowa
