#include "platform/win/os/Mutex.h"

#include <windows.h>

#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {
// Read right after the mutex was created or opened, before any other call can change the error.
bool NameTaken(const KernelHandle& mutex) {
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || (!mutex && error == ERROR_ACCESS_DENIED);
}
}  // namespace

InstanceMutex::InstanceMutex(const std::string& name) : InstanceMutex(Utf8ToWide(name)) {}

InstanceMutex::InstanceMutex(const std::wstring& name)
    : handle_(CreateMutexW(nullptr, FALSE, name.c_str())), anotherCopy_(NameTaken(handle_)) {}

}  // namespace kestrowa
