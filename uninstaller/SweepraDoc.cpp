#include "uninstaller/SweepraDoc.h"

#include <algorithm>

#include "platform/File.h"
#include "uninstaller/AppTable.h"

namespace kestrowa {

CSweepraDoc::CSweepraDoc(std::string_view modulePath, TextDecoder decode) : decode_(decode) {
    size_t cut = modulePath.find_last_of("\\/");
    size_t folderLength = cut == std::string_view::npos ? 0 : cut + 1;
    appFolder_ = std::string(modulePath.substr(0, folderLength));
    selfName_ = std::string(modulePath.substr(folderLength));
}

void CSweepraDoc::ReadInstalledNames() {
    installedNames_.clear();
    FilePtr file = OpenFile(appFolder_ + "FileList.txt", "rb");
    if (!file) return;
    std::string bytes;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, n);
    if (std::ferror(file.get())) return;
    installedNames_ = ParseFileList(decode_(bytes));
}

bool CSweepraDoc::IsInstalled(std::string_view name) const {
    return std::find(installedNames_.begin(), installedNames_.end(), ToLowerAscii(name)) !=
           installedNames_.end();
}

std::vector<std::string> ParseFileList(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == ';') continue;
        names.push_back(ToLowerAscii(line));
    }
    return names;
}

}  // namespace kestrowa
