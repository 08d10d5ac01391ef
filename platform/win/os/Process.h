#pragma once
#include <windows.h>

#include <string>

namespace kestrowa {

struct WindowPlacementHint {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Starts a program (command line in UTF-8, no inherited handles, default environment and
// folder) with the window position and size of `placement`, and waits until it ends. While it
// waits the thread goes on dispatching its messages, so timers keep running; `blocked` (may be
// null) takes no input meanwhile. False when the program could not be started.
bool RunProcessAndWait(const std::string& commandLine, const WindowPlacementHint& placement, HWND blocked);

}  // namespace kestrowa
