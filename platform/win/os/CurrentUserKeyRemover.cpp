#include "platform/win/os/CurrentUserKeyRemover.h"

#include <windows.h>

#include "platform/win/os/Text.h"

namespace kestrowa {

void CurrentUserKeyRemover::DeleteKey(const std::string& path) {
    RegDeleteKeyW(HKEY_CURRENT_USER, Utf8ToWide(path).c_str());
}

}  // namespace kestrowa
