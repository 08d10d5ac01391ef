// Stands in for the viewer when the status window starts it: it runs until the test has seen what
// the recorder does while it waits, told by the file "seen" beside it, and ends.
#include <windows.h>

#include <string>

#include "../WaitFor.h"

int main() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring seen(self);
    seen.replace(seen.find_last_of(L'\\') + 1, std::wstring::npos, L"seen");
    return kestrowa::WaitFor("the file \"seen\"", [&] { return GetFileAttributesW(seen.c_str()) != INVALID_FILE_ATTRIBUTES; })
               ? 0
               : 1;
}
