#pragma once
#include <string>

#include "platform/win/os/Handle.h"

namespace kestrowa {

// A named mutex that marks one running copy of a program. Finding out whether another copy runs
// and marking this one are one step: copies started at the same instant could otherwise all see
// no mark before any of them made it, and all run.
class InstanceMutex {
public:
    // Creates the mutex, not owned, or opens the one another copy made; keeps it until
    // destruction.
    explicit InstanceMutex(const std::string& name);
    // Another copy holds the name (it made the mutex first, or made it out of this copy's reach).
    bool AnotherCopyRuns() const { return anotherCopy_; }

private:
    explicit InstanceMutex(const std::wstring& name);

    KernelHandle handle_;
    bool anotherCopy_;
};

}  // namespace kestrowa
