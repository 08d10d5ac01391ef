#pragma once
#include <windows.h>

#include <string>

#include "platform/win/os/Handle.h"

namespace kestrowa {

// Opens the existing file or folder `path` (UTF-8, taken exactly as it is written: `ExactPath`)
// for `access`, sharing it with every other use. `flags` adds to FILE_FLAG_BACKUP_SEMANTICS,
// which lets a folder open: FILE_FLAG_OPEN_REPARSE_POINT opens a link as the link.
KernelHandle OpenExisting(const std::string& path, DWORD access, DWORD flags);

// Where an open file or folder really lies, every link resolved; empty when the system cannot
// tell.
std::string FinalPath(const KernelHandle& handle);

}  // namespace kestrowa
