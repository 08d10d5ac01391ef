#pragma once
#include <string>
#include <vector>

namespace kestrowa {

// The body of a console program, which the program defines; the system's entry point (in
// posix/ and win/os/ ConsoleMain.cpp, linked through kestrowa_console_main) calls it with the
// arguments after the program's name in UTF-8, standard output and error writing bytes as they
// are, and ends the process with what it returns.
int ConsoleMain(const std::vector<std::string>& args);

}  // namespace kestrowa
