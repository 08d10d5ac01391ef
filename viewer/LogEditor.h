#pragma once
#include <string>
#include <string_view>

namespace kestrowa {

// The log the editor opens: the second log when one is set, else the own log in the
// application folder, named as the log list names it.
std::string EditorLogPath(std::string_view applicationFolder, std::string_view secondLog);

// The command line that opens a log in the user's editor: the editor in quotes, a blank and the
// log path. Unquoted, "C:\Program Files\Ed\ed.exe" would start C:\Program.exe where one exists.
// The log path is quoted only when it holds a blank, so that the editor gets it as one argument.
std::string EditorCommandLine(std::string_view editor, std::string_view logPath);

}  // namespace kestrowa
