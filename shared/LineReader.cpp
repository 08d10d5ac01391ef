#include "shared/LineReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/File.h"
#include "shared/ByteScan.h"

namespace kestrowa {

bool LineReader::Fill() {
    std::memmove(block_.get(), block_.get() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
    const size_t read = std::fread(block_.get() + end_, 1, blockSize_ - end_, file_);
    end_ += read;
    return read > 0;
}

void LineReader::NextMask() {
    while (lfMask_ == 0 && maskBase_ + kLineFeedMaskBytes < end_) {
        maskBase_ += kLineFeedMaskBytes;
        lfMask_ = LineFeedMask(block_.get() + maskBase_, std::min(kLineFeedMaskBytes, end_ - maskBase_));
    }
}

std::string_view LineReader::NextPiece(bool& more) {
    const char* begin = block_.get() + pos_;
    if (end_ - pos_ > limit_) {
        pos_ += limit_;
        more = true;
        return {begin, limit_};
    }
    more = NextJoined(joined_);
    // The block has moved.
    maskBase_ = pos_;
    lfMask_ = LineFeedMask(block_.get() + pos_, std::min(kLineFeedMaskBytes, end_ - pos_));
    return joined_;
}

void LineReader::Pass(size_t bytes) {
    if (bytes == 0) return;
    pos_ += bytes;
    maskBase_ = pos_;
    lfMask_ = LineFeedMask(block_.get() + pos_, std::min(kLineFeedMaskBytes, end_ - pos_));
}

bool LineReader::Next(std::string& line) {
    std::string_view view;
    const bool more = Next(view);
    line.assign(view);
    return more;
}

bool LineReader::NextJoined(std::string& line) {
    line.clear();
    for (;;) {
        const char* begin = block_.get() + pos_;
        const size_t available = end_ - pos_;
        const size_t room = limit_ - line.size();
        // One byte past the room: an LF there still ends the line when a CR stands before it.
        const size_t window = std::min(available, room + 1);
        if (const void* lf = std::memchr(begin, '\n', window)) {
            const size_t k = static_cast<size_t>(static_cast<const char*>(lf) - begin);
            if (k > 0 && begin[k - 1] == '\r') {
                line.append(begin, k - 1);
                pos_ += k + 1;
            } else {
                // A full piece leaves its LF to end an empty line next time.
                line.append(begin, k);
                pos_ += k == room ? k : k + 1;
            }
            return true;
        }
        if (window == room + 1) {
            line.append(begin, room);
            pos_ += room;
            return true;
        }
        // The block ends within the line: a CR at its end stays, for an LF of the next block to
        // end the line with.
        const size_t take = available > 0 && begin[available - 1] == '\r' ? available - 1 : available;
        line.append(begin, take);
        pos_ += take;
        if (!Fill()) {
            // The end of the file: a CR left is text.
            if (pos_ == end_) return !line.empty();
            if (line.size() < limit_) {
                line += '\r';
                ++pos_;
            }
            return true;
        }
    }
}

namespace {

// The bytes of a file from its end towards its start, one block read at a time.
class BackwardBytes {
public:
    BackwardBytes(std::FILE* file, size_t blockSize) : file_(file), block_(std::max<size_t>(blockSize, 1)) {}

    // The byte at `at`, which lies before every byte asked for so far or within the last block;
    // -1 when it cannot be read.
    int At(std::int64_t at) {
        if (at < start_ || at >= start_ + static_cast<std::int64_t>(length_)) {
            start_ = std::max<std::int64_t>(0, at + 1 - static_cast<std::int64_t>(block_.size()));
            length_ = ReadAt(file_, start_, block_.data(), static_cast<size_t>(at + 1 - start_));
            if (at >= start_ + static_cast<std::int64_t>(length_)) return -1;
        }
        return static_cast<unsigned char>(block_[static_cast<size_t>(at - start_)]);
    }

private:
    std::FILE* file_;
    std::vector<char> block_;
    std::int64_t start_ = 0;
    size_t length_ = 0;
};

}  // namespace

// The file is a row of lines parted by LF: each line but the one after the last LF loses one
// CR before its LF, and a line of length n is handed out in pieces of `limit` characters and a
// last one of the rest, so the last non-empty piece is the end of the last line with text.
std::string LastNonEmptyLine(std::FILE* file, size_t bufferSize, size_t blockSize) {
    const std::int64_t length = FileLength(file);
    if (length <= 0) return {};
    const std::int64_t limit = static_cast<std::int64_t>(bufferSize - 1);
    BackwardBytes bytes(file, blockSize);
    std::int64_t lineEnd = length;  // where the line ends, before its LF
    for (bool terminated = false;; terminated = true) {
        std::int64_t lineStart = lineEnd;
        for (int c; lineStart > 0 && (c = bytes.At(lineStart - 1)) != '\n'; --lineStart)
            if (c < 0) return {};
        std::int64_t textEnd = lineEnd;
        if (terminated && textEnd > lineStart && bytes.At(textEnd - 1) == '\r') --textEnd;
        if (textEnd > lineStart) {
            const std::int64_t piece = (textEnd - lineStart - 1) % limit + 1;
            std::string text(static_cast<size_t>(piece), '\0');
            text.resize(ReadAt(file, textEnd - piece, text.data(), text.size()));
            return text;
        }
        if (lineStart == 0) return {};
        lineEnd = lineStart - 1;
    }
}

}  // namespace kestrowa
