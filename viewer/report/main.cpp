#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "platform/ConsoleMain.h"
#include "viewer/report/PngRenderer.h"
#include "viewer/report/Report.h"

namespace {

kestrowa::DateTime LocalNow() {
    std::time_t t = std::time(nullptr);
    const std::tm* local = std::localtime(&t);
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min, local->tm_sec};
}

}  // namespace

int kestrowa::ConsoleMain(const std::vector<std::string>& args) {
    std::string out, err;
    const int status = RunReport(args, LocalNow(), out, err, RenderPng);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return status;
}
