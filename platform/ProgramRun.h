#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrowa {

// How a system writes its program search path (the PATH variable) and names its programs.
enum class SearchPathForm { Posix, Windows };

// The full path of the program `name` (a bare name, without extension) in the first folder of
// `searchPath` that holds one, as `isProgram` tells of a path. Only folders named by a full path
// count: an empty entry, "." or any other relative folder stands for the current folder or one
// below it, which is wherever the program happens to be started, so a program planted there
// would run. Windows: entries are separated by ";" and may be quoted, a full path starts with a
// drive and a separator or with two separators, and the program is "name.exe" (never a script,
// which would run through the shell). POSIX: entries are separated by ":".
std::optional<std::string> FindOnSearchPath(std::string_view name, std::string_view searchPath, SearchPathForm form,
                                            const std::function<bool(const std::string& path)>& isProgram);

// The command line that the C runtime of Windows (and CommandLineToArgvW) splits back into
// exactly `args`: each one quoted, a quote inside escaped, the backslashes before a quote doubled.
std::string WindowsCommandLine(const std::vector<std::string>& args);

// The program `name` on this process's PATH as FindOnSearchPath finds it: a regular file (one the
// user may run, on POSIX). Paths are UTF-8.
std::optional<std::string> FindProgram(std::string_view name);

// Runs the program at the full path `path` with `args` after its own name, with this process's
// standard input, output and error, environment and current folder, and waits until it ends.
// Nothing is searched and no shell reads the arguments. Its exit status (-1 when it ended
// without one, killed); nullopt when it could not be started.
std::optional<int> RunProgram(const std::string& path, const std::vector<std::string>& args);

}  // namespace kestrowa
