#pragma once
#include <cstdio>
#include <string>

namespace kestrowa {

// Reads a text file line by line as a C runtime in text mode with a fixed buffer does: CR LF
// arrives as a line end, and a line longer than (bufferSize - 1) characters comes in pieces of
// at most that many characters. The line end is not part of the returned text.
class LineReader {
public:
    LineReader(std::FILE* file, size_t bufferSize) : file_(file), limit_(bufferSize - 1) {}
    // False at the end of the file.
    bool Next(std::string& line);

private:
    std::FILE* file_;
    size_t limit_;
};

}  // namespace kestrowa
