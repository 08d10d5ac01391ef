// Waits of the Windows-side tests and their tools: a window, a text, a file or a process is
// asked for again every few milliseconds until it is there or a time limit has passed, never
// awaited by a fixed pause.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace kestrowa {

// Long enough for the first program of a cold Wine server on a busy machine.
inline constexpr std::chrono::milliseconds kWaitLimit{30000};
inline constexpr std::chrono::milliseconds kWaitPoll{20};

// Asks `found` until it gives something that tests true (a window, `true`) or `limit` has
// passed, and returns what it gave last; a wait in vain is told on stderr with `what`, the
// thing waited for.
template <class Found>
auto WaitFor(const std::string& what, Found&& found, std::chrono::milliseconds limit = kWaitLimit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    for (;;) {
        auto value = found();
        if (value) return value;
        if (std::chrono::steady_clock::now() >= until) {
            std::fprintf(stderr, "waited %lld ms in vain for %s\n", static_cast<long long>(limit.count()),
                         what.c_str());
            return value;
        }
        std::this_thread::sleep_for(kWaitPoll);
    }
}

// Whether `holds` stays true, asked again and again for the whole of `period`: what must not
// change for a while is watched all that time, and the first lapse, told on stderr with `what`,
// ends the watch.
template <class Holds>
bool HoldsFor(const std::string& what, Holds&& holds, std::chrono::milliseconds period) {
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        if (!holds()) {
            std::fprintf(stderr, "after %lld ms no longer so: %s\n", static_cast<long long>(elapsed.count()),
                         what.c_str());
            return false;
        }
        if (elapsed >= period) return true;
        std::this_thread::sleep_for(kWaitPoll);
    }
}

}  // namespace kestrowa
