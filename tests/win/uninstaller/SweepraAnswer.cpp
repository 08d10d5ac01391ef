// Starts Sweepra.exe, answers both questions with OK and keeps the report window open until
// the stop file appears, five minutes at most; then closes it. Used to take a screenshot of the report, which is drawn
// once: nothing may cover the window until the picture is taken.
// Usage: sweepra_answer <path of Sweepra.exe> <stop file>
#include <cstdio>
#include <string>

#include "../WaitFor.h"
#include "SweepraDriver.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: sweepra_answer <Sweepra.exe> <stop file>\n", stderr);
        return 2;
    }
    std::wstring exe = argv[1];
    SweepraProcess sweepra(exe, exe.substr(0, exe.find_last_of(L'\\') + 1));
    if (!sweepra.Started() || sweepra.Answer(IDOK).empty() || sweepra.Answer(IDOK).empty()) {
        std::fputs("sweepra_answer: no questions to answer\n", stderr);
        return 1;
    }
    sweepra.WaitForReport();
    std::puts("ready");
    std::fflush(stdout);
    kestrowa::WaitFor("the stop file", [&] { return GetFileAttributesW(argv[2]) != INVALID_FILE_ATTRIBUTES; },
                      std::chrono::minutes(5));
    sweepra.Close();
    return sweepra.WaitForExit(30000) ? 0 : 1;
}
