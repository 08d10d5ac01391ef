// Stands in for a program that RunProgram starts: writes the arguments it was given, one UTF-8
// line each, to the file named as itself with ".args" added, and exits with status 3.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win/os/Text.h"

int wmain(int argc, wchar_t** argv) {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    std::string lines;
    for (int i = 1; i < argc; ++i) lines += kestrowa::WideToUtf8(argv[i]) + "\n";
    FILE* file = _wfopen((self + L".args").c_str(), L"wb");
    if (!file) return 1;
    std::fwrite(lines.data(), 1, lines.size(), file);
    std::fclose(file);
    return 3;
}
