#include "recorder/ViewerSettingsFile.h"

#include <limits>

#include "platform/File.h"
#include "shared/LineReader.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {
// Lines are read whole: a fixed buffer would split a long path into two lines and so corrupt it.
constexpr size_t kWholeLines = std::numeric_limits<size_t>::max();
}  // namespace

std::string ResetViewerSettingsLine(std::string_view line) {
    if (line.find("SecondLog") != std::string_view::npos) return "SecondLog=";
    if (line.find("TabNo") != std::string_view::npos) return "TabNo=1";
    if (line.find("CombSelectNo") != std::string_view::npos) return "CombSelectNo=0";
    return std::string(line);
}

void ResetViewerSettings(const std::string& path) {
    std::vector<std::string> lines;
    {
        FilePtr in = OpenFile(path, "rb");
        if (!in) return;
        LineReader reader(in.get(), kWholeLines);
        std::string line;
        while (reader.Next(line)) {
            if (!line.empty()) lines.push_back(ResetViewerSettingsLine(line));
        }
    }
    FilePtr out = OpenFile(path, "wb");
    if (!out) return;
    for (const std::string& line : lines) {
        std::fwrite(line.data(), 1, line.size(), out.get());
        std::fwrite("\r\n", 1, 2, out.get());
    }
}

std::string ReadViewerSecondLog(const std::string& path) {
    FilePtr in = OpenFile(path, "rb");
    if (!in) return "";
    LineReader reader(in.get(), kWholeLines);
    std::string line;
    while (reader.Next(line)) {
        if (line.find("SecondLog") != std::string::npos) return std::string(Columns(line, 10, std::string::npos));
    }
    return "";
}

}  // namespace kestrowa
