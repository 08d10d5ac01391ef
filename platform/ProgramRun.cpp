#include "platform/ProgramRun.h"

namespace kestrowa {

namespace {

bool IsSeparator(char c, SearchPathForm form) { return c == '/' || (form == SearchPathForm::Windows && c == '\\'); }

// A folder named from a root the current folder plays no part in: "/..." on POSIX; "C:\...",
// "C:/..." or "\\server\..." on Windows ("C:folder" and "\folder" lean on the current folder of
// a drive).
bool IsFullPath(std::string_view folder, SearchPathForm form) {
    if (form == SearchPathForm::Posix) return !folder.empty() && folder[0] == '/';
    if (folder.size() >= 3 && ((folder[0] | 0x20) >= 'a' && (folder[0] | 0x20) <= 'z') && folder[1] == ':' &&
        IsSeparator(folder[2], form))
        return true;
    return folder.size() >= 2 && IsSeparator(folder[0], form) && IsSeparator(folder[1], form);
}

}  // namespace

std::optional<std::string> FindOnSearchPath(std::string_view name, std::string_view searchPath, SearchPathForm form,
                                            const std::function<bool(const std::string& path)>& isProgram) {
    const bool windows = form == SearchPathForm::Windows;
    const char listSeparator = windows ? ';' : ':';
    while (true) {
        const size_t end = searchPath.find(listSeparator);
        std::string folder;
        for (char c : searchPath.substr(0, end))
            if (!windows || c != '"') folder += c;
        if (IsFullPath(folder, form)) {
            if (!IsSeparator(folder.back(), form)) folder += windows ? '\\' : '/';
            std::string candidate = folder + std::string(name) + (windows ? ".exe" : "");
            if (isProgram(candidate)) return candidate;
        }
        if (end == std::string_view::npos) return std::nullopt;
        searchPath.remove_prefix(end + 1);
    }
}

std::string WindowsCommandLine(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& arg : args) {
        if (!line.empty()) line += ' ';
        line += '"';
        size_t backslashes = 0;
        for (char c : arg) {
            if (c == '\\') {
                ++backslashes;
            } else {
                // Backslashes are literal unless a quote follows them: then each counts double.
                if (c == '"') line.append(backslashes + 1, '\\');
                backslashes = 0;
            }
            line += c;
        }
        line.append(backslashes, '\\');
        line += '"';
    }
    return line;
}

}  // namespace kestrowa
