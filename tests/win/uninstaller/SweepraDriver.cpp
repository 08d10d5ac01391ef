#include "SweepraDriver.h"

#include <vector>

#include "../WaitFor.h"

namespace {

// Generous: the first program of a cold Wine server on a busy machine takes a while.
constexpr DWORD kPatience = 60000;

struct Search {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK FindInProcess(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t name[64] = L"";
    GetClassNameW(hwnd, name, 64);
    if (pid == search->processId && IsWindowVisible(hwnd) &&
        std::wstring_view(name) == search->className) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[512] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                        kPatience, &length);
    return text;
}

}  // namespace

SweepraProcess::SweepraProcess(const std::wstring& exe, const std::wstring& currentDirectory) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       currentDirectory.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
    }
}

SweepraProcess::~SweepraProcess() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kPatience);
    }
    CloseHandle(process_);
}

HWND SweepraProcess::FindWindowOfClass(const wchar_t* className) const {
    Search search{processId_, className, nullptr};
    kestrowa::WaitFor("a window of Sweepra", [&] {
        EnumWindows(FindInProcess, reinterpret_cast<LPARAM>(&search));
        return search.found || Ended();
    }, std::chrono::milliseconds(kPatience));
    return search.found;
}

std::wstring SweepraProcess::Answer(int button) {
    if (!process_) return {};
    HWND box = FindWindowOfClass(L"#32770");
    if (!box) return {};
    std::wstring question = TextOf(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    kestrowa::WaitFor("Sweepra's message box gone", [&] { return !IsWindow(box); }, std::chrono::milliseconds(kPatience));
    return question;
}

std::wstring SweepraProcess::WaitForReport() {
    HWND frame = FindWindowOfClass(L"SweepraFrame");
    if (!frame) return {};
    // Idleness alone says nothing: the program may answer a sent message before the run has
    // even begun (while a question's box is torn down, say). The title after recognition is
    // set by the run itself; only once it is there does an answer to a sent message mean that
    // the run has ended, as from then on nothing in it looks at messages.
    std::wstring title;
    kestrowa::WaitFor("Sweepra's title after recognition", [&] {
        title = TextOf(frame);
        return title.find(L"Ver1.10") != std::wstring::npos || Ended();
    }, std::chrono::milliseconds(kPatience));
    if (title.find(L"Ver1.10") == std::wstring::npos) return {};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(frame, WM_NULL, 0, 0, SMTO_BLOCK, kPatience, &result);
    return title;
}

void SweepraProcess::Close() {
    if (HWND frame = FindWindowOfClass(L"SweepraFrame")) PostMessageW(frame, WM_CLOSE, 0, 0);
}

bool SweepraProcess::Ended() const {
    return WaitForSingleObject(process_, 0) != WAIT_TIMEOUT;
}

bool SweepraProcess::WaitForExit(DWORD milliseconds) {
    return process_ && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}
