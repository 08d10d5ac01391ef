#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace kestrowa {

inline constexpr size_t kLineReadBlock = 64 * 1024;

// Reads a text file line by line as a C runtime in text mode with a fixed buffer does: CR LF
// arrives as a line end, and a line longer than (bufferSize - 1) characters comes in pieces of
// at most that many characters. The line end is not part of the returned text. The file is read
// in blocks of `blockSize` bytes, so its position runs ahead of the lines handed out.
class LineReader {
public:
    LineReader(std::FILE* file, size_t bufferSize, size_t blockSize = kLineReadBlock)
        : file_(file), limit_(bufferSize - 1), block_(blockSize < 2 ? 2 : blockSize) {}
    // False at the end of the file.
    bool Next(std::string& line);

private:
    // Moves the bytes not yet handed out to the front and reads more behind them; false when
    // nothing more came.
    bool Fill();

    std::FILE* file_;
    size_t limit_;
    std::vector<char> block_;
    size_t pos_ = 0;
    size_t end_ = 0;
};

// The last non-empty line that LineReader would hand out for the whole file (with a buffer of
// `bufferSize`), found by reading back from the file's end: its time depends on the length of
// the last lines, not on that of the file. "" when there is none.
std::string LastNonEmptyLine(std::FILE* file, size_t bufferSize, size_t blockSize = kLineReadBlock);

}  // namespace kestrowa
