#include "viewer/LogEditor.h"

#include "shared/SessionScanner.h"

namespace kestrowa {

std::string EditorLogPath(std::string_view applicationFolder, std::string_view secondLog) {
    return ChooseLog(std::string(applicationFolder) + "KESTROFL.DAT", secondLog).path;
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
