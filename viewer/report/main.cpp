#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "platform/ConsoleMain.h"
#include "viewer/report/PngRenderer.h"
#include "viewer/report/Report.h"

namespace {

// The local date and time of a moment in seconds since 1970 UTC, by the system's zone rules.
std::optional<kestrowa::DateTime> LocalTime(std::int64_t utcSeconds) {
    const std::time_t t = static_cast<std::time_t>(utcSeconds);
    const std::tm* local = std::localtime(&t);
    if (!local) return std::nullopt;
    return kestrowa::DateTime{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
                              local->tm_hour,        local->tm_min,     local->tm_sec};
}

}  // namespace

int kestrowa::ConsoleMain(const std::vector<std::string>& args) {
    std::string out, err;
    const int status = RunReport(args, LocalTime(std::time(nullptr)).value_or(DateTime{}), out, err,
                                 {RenderPng, LocalTime});
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return status;
}
