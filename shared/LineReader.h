#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace kestrowa {

inline constexpr size_t kLineReadBlock = 64 * 1024;

// Reads a text file line by line as a C runtime in text mode with a fixed buffer does: CR LF
// arrives as a line end, and a line longer than (bufferSize - 1) characters comes in pieces of
// at most that many characters. The line end is not part of the returned text. The file is read
// in blocks of `blockSize` bytes, so its position runs ahead of the lines handed out.
class LineReader {
public:
    LineReader(std::FILE* file, size_t bufferSize, size_t blockSize = kLineReadBlock)
        : file_(file),
          limit_(bufferSize - 1),
          blockSize_(blockSize < 2 ? 2 : blockSize),
          block_(std::make_unique_for_overwrite<char[]>(blockSize_)) {}
    // False at the end of the file. The view stays valid until the next call. Inline, as it is
    // called for every line of the log: nearly every line lies whole in the block and is handed
    // out where it stands, its LF found in the mask of the LFs ahead.
    bool Next(std::string_view& line) {
        if (lfMask_ == 0) NextMask();
        const size_t k = lfMask_ != 0 ? maskBase_ + static_cast<size_t>(__builtin_ctzll(lfMask_)) - pos_ : end_ - pos_;
        if (k > limit_ || k >= end_ - pos_) {
            bool more = true;
            line = NextPiece(more);
            return more;
        }
        const char* begin = block_.get() + pos_;
        if (k > 0 && begin[k - 1] == '\r') {
            line = {begin, k - 1};
            pos_ += k + 1;
        } else if (k == limit_) {
            // A full piece leaves its LF to end an empty line next time.
            line = {begin, k};
            pos_ += k;
            return true;
        } else {
            line = {begin, k};
            pos_ += k + 1;
        }
        lfMask_ &= lfMask_ - 1;
        return true;
    }
    bool Next(std::string& line);

    // The bytes read but not yet handed out: whole lines, maybe a part of one at the end.
    std::string_view Ahead() const { return {block_.get() + pos_, end_ - pos_}; }
    // Passes over the first `bytes` of Ahead(), which end just after an LF (or are none).
    void Pass(size_t bytes);

private:
    // Moves the mask on to the next 64 bytes that hold an LF, as far as the block goes.
    void NextMask();
    // A line whose LF is not within reach in the block: a piece of a long line, or one that runs
    // past the end of the block; `more` false at the end of the file. The line comes back by
    // value, so that the caller's view can stay in registers.
    std::string_view NextPiece(bool& more);
    // A line that runs past the end of the block, put together in `joined_`.
    bool NextJoined(std::string& line);
    // Moves the bytes not yet handed out to the front and reads more behind them; false when
    // nothing more came.
    bool Fill();

    std::FILE* file_;
    size_t limit_;
    size_t blockSize_;
    // Only the bytes before end_ are ever read: the block is not cleared first.
    std::unique_ptr<char[]> block_;
    size_t pos_ = 0;
    size_t end_ = 0;
    std::string joined_;
    // The LFs not yet passed among the 64 bytes from maskBase_, bit j for byte maskBase_ + j.
    std::uint64_t lfMask_ = 0;
    size_t maskBase_ = 0;
};

// The last non-empty line that LineReader would hand out for the whole file (with a buffer of
// `bufferSize`), found by reading back from the file's end: its time depends on the length of
// the last lines, not on that of the file. "" when there is none.
std::string LastNonEmptyLine(std::FILE* file, size_t bufferSize, size_t blockSize = kLineReadBlock);

}  // namespace kestrowa
