#include "viewer/LogEditor.h"

namespace kestrowa {

std::string EditorLogPath(std::string_view applicationFolder, std::string_view secondLog) {
    if (!secondLog.empty()) return std::string(secondLog);
    return std::string(applicationFolder) + "KESTROFL.DAT";
}

std::string EditorCommandLine(std::string_view editor, std::string_view logPath) {
    std::string line(editor);
    line += ' ';
    if (logPath.find(' ') != std::string_view::npos)
        (line += '"').append(logPath) += '"';
    else
        line += logPath;
    return line;
}

}  // namespace kestrowa
