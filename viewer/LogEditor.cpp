#include "viewer/LogEditor.h"

#include "shared/SessionLog.h"
#include "shared/SessionScanner.h"

namespace kestrowa {

std::string EditorLogPath(std::string_view applicationFolder, std::string_view secondLog) {
    return ChooseLog(OwnLogPath(applicationFolder, LogNameCase::Capitals), secondLog).path;
}

std::string EditorCommandLine(std::string_view editor, std::string_view logPath) {
    // A path given in quotes already is quoted once.
    if (editor.size() >= 2 && editor.front() == '"' && editor.back() == '"') editor = editor.substr(1, editor.size() - 2);
    std::string line(1, '"');
    line.append(editor) += "\" ";
    if (logPath.find(' ') != std::string_view::npos)
        (line += '"').append(logPath) += '"';
    else
        line += logPath;
    return line;
}

}  // namespace kestrowa
