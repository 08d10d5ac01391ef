#pragma once
#include <string>

namespace kestrowa {

// The full path of the running program's file, however long (the system's answer is not cut
// at a fixed buffer). "" only when the system gives none.
std::string ModulePath();
// The folder of the running program, with its trailing backslash: where each program finds
// the files installed beside it.
std::string ProgramFolder();

}  // namespace kestrowa
