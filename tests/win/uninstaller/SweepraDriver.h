#pragma once
#include <windows.h>

#include <string>

// Runs the real Sweepra.exe as the user would and answers its message boxes from outside, as a
// user clicking would: finds each box of the process, reads its question and presses a button.
class SweepraProcess {
public:
    // Starts the program with the given current directory; Started() tells whether it did.
    SweepraProcess(const std::wstring& exe, const std::wstring& currentDirectory);
    SweepraProcess(const SweepraProcess&) = delete;
    SweepraProcess& operator=(const SweepraProcess&) = delete;
    // Ends the process if it still runs.
    ~SweepraProcess();

    bool Started() const { return process_ != nullptr; }
    // Waits for the next message box, presses the button (IDOK or IDCANCEL) and waits until the
    // box is gone. Returns the box's text; empty when no box came.
    std::wstring Answer(int button);
    // Waits until the run after the questions has set the title after recognition and then
    // until the program is back in its message loop with the report drawn; returns the title.
    // Empty when that title never came.
    std::wstring WaitForReport();
    // Asks the main window to close.
    void Close();
    // True when the process ended within the time.
    bool WaitForExit(DWORD milliseconds);

private:
    HWND FindWindowOfClass(const wchar_t* className) const;
    bool Ended() const;

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};
