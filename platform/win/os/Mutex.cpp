#include "platform/win/os/Mutex.h"

#include <windows.h>

#include "platform/win/os/Text.h"

namespace kestrowa {

bool InstanceMutex::Exists(const std::string& name) {
    KernelHandle existing(OpenMutexW(MUTEX_ALL_ACCESS, FALSE, Utf8ToWide(name).c_str()));
    return static_cast<bool>(existing);
}

InstanceMutex::InstanceMutex(const std::string& name)
    : handle_(CreateMutexW(nullptr, FALSE, Utf8ToWide(name).c_str())) {}

}  // namespace kestrowa
