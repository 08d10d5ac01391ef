#include "platform/File.h"

namespace kestrowa {

FilePtr OpenFile(const std::string& path, const char* mode) {
    return FilePtr(std::fopen(path.c_str(), mode));
}

}  // namespace kestrowa
