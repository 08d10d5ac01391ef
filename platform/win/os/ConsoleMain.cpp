#include "platform/ConsoleMain.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/win/os/Text.h"

// Wide arguments, so that paths outside the ANSI code page arrive whole; the output is written
// as the bytes given, without CR added before LF.
int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(kestrowa::WideToUtf8(argv[i]));
    return kestrowa::ConsoleMain(args);
}
