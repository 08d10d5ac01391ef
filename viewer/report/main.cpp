#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "viewer/report/Report.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <windows.h>

#include "platform/win/os/Text.h"
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

extern char** environ;
#endif

namespace {

kestrowa::DateTime LocalNow() {
    std::time_t t = std::time(nullptr);
    const std::tm* local = std::localtime(&t);
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min, local->tm_sec};
}

// PNG pictures are rendered from the SVG by rsvg-convert (librsvg), found on the PATH; the SVG
// goes to it through a file of its own in the temporary folder.
constexpr const char* kRenderer = "rsvg-convert";

#ifdef _WIN32
// One argument of a command line as the C runtime splits it again (a path holds no quote).
std::wstring Quoted(const std::string& utf8) { return L"\"" + kestrowa::Utf8ToWide(utf8) + L"\""; }

bool WritePng(const std::string& svg, const std::string& path, std::string& error) {
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t name[MAX_PATH + 1] = {};
    if (!GetTempPathW(MAX_PATH + 1, folder) || !GetTempFileNameW(folder, L"orv", 0, name)) {
        error = "no temporary file";
        return false;
    }
    FILE* file = _wfopen(name, L"wb");
    bool ok = file && std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    if (file) ok = std::fclose(file) == 0 && ok;
    const std::wstring renderer = kestrowa::Utf8ToWide(kRenderer);
    const std::wstring output = Quoted(path);
    const std::wstring input = L"\"" + std::wstring(name) + L"\"";
    const intptr_t status = ok ? _wspawnlp(_P_WAIT, renderer.c_str(), renderer.c_str(), L"--format=png", L"--output",
                                           output.c_str(), input.c_str(), nullptr)
                               : -1;
    _wremove(name);
    if (status != 0) error = std::string(kRenderer) + (status == -1 ? " could not be started" : " failed");
    return status == 0;
}
#else
bool WritePng(const std::string& svg, const std::string& path, std::string& error) {
    const char* folder = std::getenv("TMPDIR");
    std::string name = std::string(folder && *folder ? folder : "/tmp") + "/orvelle-report-XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = "no temporary file";
        return false;
    }
    bool ok = write(fd, svg.data(), svg.size()) == static_cast<ssize_t>(svg.size());
    ok = close(fd) == 0 && ok;
    int status = -1;
    pid_t child = 0;
    std::vector<std::string> args = {kRenderer, "--format=png", "--output", path, name};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const bool started = ok && posix_spawnp(&child, kRenderer, nullptr, nullptr, argv.data(), environ) == 0;
    if (started) waitpid(child, &status, 0);
    unlink(name.c_str());
    const bool rendered = started && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!rendered) error = std::string(kRenderer) + (started ? " failed" : " could not be started");
    return rendered;
}
#endif

int Run(const std::vector<std::string>& args) {
    std::string out, err;
    int status = kestrowa::RunReport(args, LocalNow(), out, err, WritePng);
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
