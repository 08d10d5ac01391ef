#include "viewer/report/PngRenderer.h"

#include <optional>

#include "platform/ProgramRun.h"
#include "platform/TemporaryFile.h"

namespace kestrowa {

namespace {
constexpr const char* kRenderer = "rsvg-convert";
}  // namespace

bool RenderPng(const std::string& svg, const std::string& path, std::string& error) {
    const std::optional<std::string> renderer = FindProgram(kRenderer);
    if (!renderer) {
        error = std::string(kRenderer) + " was not found on the PATH";
        return false;
    }
    std::optional<TemporaryFile> input = TemporaryFile::Write(svg);
    if (!input) {
        error = "no temporary file";
        return false;
    }
    const std::optional<int> status = RunProgram(*renderer, {"--format=png", "--output", path, input->Path()});
    if (status == 0) return true;
    error = std::string(kRenderer) + (status ? " failed" : " could not be started");
    return false;
}

}  // namespace kestrowa
