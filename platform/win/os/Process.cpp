#include "platform/win/os/Process.h"

#include <vector>

#include "platform/win/os/Handle.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {
// Dispatches the thread's messages until `process` ends. A WM_QUIT is put back for the loop
// that owns it.
void WaitDispatching(HANDLE process) {
    for (;;) {
        DWORD woken = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) return;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                WaitForSingleObject(process, INFINITE);
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}
}  // namespace

bool RunProcessAndWait(const std::string& commandLine, const WindowPlacementHint& placement, HWND blocked) {
    std::wstring wide = Utf8ToWide(commandLine);
    std::vector<wchar_t> line(wide.begin(), wide.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USEPOSITION | STARTF_USESIZE;
    startup.dwX = static_cast<DWORD>(placement.x);
    startup.dwY = static_cast<DWORD>(placement.y);
    startup.dwXSize = static_cast<DWORD>(placement.width);
    startup.dwYSize = static_cast<DWORD>(placement.height);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    KernelHandle process(info.hProcess);
    KernelHandle thread(info.hThread);
    const bool wasEnabled = blocked && !EnableWindow(blocked, FALSE);
    WaitDispatching(process.Get());
    if (wasEnabled) EnableWindow(blocked, TRUE);
    return true;
}

}  // namespace kestrowa
