#pragma once
#include <string>

#include "platform/win/os/Handle.h"

namespace kestrowa {

// A named mutex that marks one running copy of a program.
class InstanceMutex {
public:
    // True when a mutex of that name exists already (another copy runs); the handle opened to
    // find out is closed at once.
    static bool Exists(const std::string& name);
    // Creates the mutex, not owned, and keeps it until destruction.
    explicit InstanceMutex(const std::string& name);
    bool Held() const { return static_cast<bool>(handle_); }

private:
    KernelHandle handle_;
};

}  // namespace kestrowa
