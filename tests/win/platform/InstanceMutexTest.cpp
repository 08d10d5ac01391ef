#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "platform/win/os/Mutex.h"

namespace kestrowa {
namespace {

// Copies started at the same instant each ask once; whichever asks first runs, every other one
// learns of it from the same call.
TEST(InstanceMutex, OnlyTheFirstOfAName) {
    const std::string name = "KestrowaInstanceTest" + std::to_string(GetCurrentProcessId());
    std::optional<InstanceMutex> first(std::in_place, name);
    EXPECT_FALSE(first->AnotherCopyRuns());
    EXPECT_TRUE(InstanceMutex(name).AnotherCopyRuns());
    EXPECT_FALSE(InstanceMutex(name + "-other").AnotherCopyRuns());
    first.reset();
    EXPECT_FALSE(InstanceMutex(name).AnotherCopyRuns());
}

}  // namespace
}  // namespace kestrowa
