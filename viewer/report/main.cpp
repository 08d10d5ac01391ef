#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "viewer/report/PngRenderer.h"
#include "viewer/report/Report.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "platform/win/os/Text.h"
#endif

namespace {

kestrowa::DateTime LocalNow() {
    std::time_t t = std::time(nullptr);
    const std::tm* local = std::localtime(&t);
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min, local->tm_sec};
}

int Run(const std::vector<std::string>& args) {
    std::string out, err;
    int status = kestrowa::RunReport(args, LocalNow(), out, err, kestrowa::RenderPng);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return status;
}

}  // namespace

#ifdef _WIN32
// Wide arguments, so that paths outside the ANSI code page arrive whole; the output is UTF-8
// bytes, written as they are.
int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(kestrowa::WideToUtf8(argv[i]));
    return Run(args);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
