#include <gtest/gtest.h>

#include <random>

#include "TempDir.h"
#include "platform/File.h"
#include "shared/LineReader.h"
#include "ReferenceScan.h"

using namespace kestrowa;

namespace {

// Block sizes that put every line end and every CR LF across a block boundary somewhere, and the
// one the programs use.
constexpr size_t kBlockSizes[] = {1, 2, 3, 5, 7, kLineReadBlock};

std::vector<std::string> ReadPieces(const std::string& path, size_t bufferSize, size_t blockSize) {
    FilePtr file = OpenFile(path, "rb");
    LineReader reader(file.get(), bufferSize, blockSize);
    std::vector<std::string> lines;
    for (std::string line; reader.Next(line);) lines.push_back(line);
    return lines;
}

std::string LastPiece(const std::string& path, size_t bufferSize, size_t blockSize) {
    FilePtr file = OpenFile(path, "rb");
    return LastNonEmptyLine(file.get(), bufferSize, blockSize);
}

// The last non-empty piece a reading from the start hands out.
std::string LastPieceFromStart(const std::string& path, size_t bufferSize) {
    std::string last;
    for (const std::string& line : ReadPieces(path, bufferSize, kLineReadBlock))
        if (!line.empty()) last = line;
    return last;
}

}  // namespace

TEST(LineReader, LongLinesArriveInPiecesOfTheBufferLess1WhereverTheBlocksEnd) {
    TempDir dir;
    const std::string a(199, 'a'), b(250, 'b');
    dir.Write("long.txt", a + "\r\n" + b + "\r\n" + std::string(198, 'c') + "\r\r\n\r\nlast\rx\n\r");
    const std::vector<std::string> expected = {a, "", std::string(199, 'b'), std::string(51, 'b'),
                                               std::string(198, 'c') + "\r", "", "", "last\rx", "\r"};
    for (size_t block : kBlockSizes) EXPECT_EQ(ReadPieces(dir.File("long.txt"), 200, block), expected) << block;
}

TEST(LineReader, LastNonEmptyLineReadFromTheEnd) {
    const std::string s199(199, 's'), l(300, 'l');
    const struct {
        std::string bytes;
        std::string last;
    } cases[] = {
        {"", ""},
        {"\r\n\r\n", ""},
        {"\n", ""},
        {"S 11/05/02 18:04\r\nE 11/05/02 22:47", "E 11/05/02 22:47"},  // no final line break
        {"S 11/05/02 18:04\r\n\r\n\r\n", "S 11/05/02 18:04"},          // bare CR LF lines after it
        {"S 11/05/02 18:04\r\n\r\nE 11/05/02 22:47\r\n", "E 11/05/02 22:47"},
        {"E 11/05/02 22:47\r\nS 11/05/03 08:13\n\n", "S 11/05/03 08:13"},
        {"x\r\n\r\r\n", "\r"},    // a CR before the CR LF is text
        {"x\r\nlast\r", "last\r"},  // as is a CR at the very end
        {"x\r\n\r", "\r"},
        {"x\n" + s199 + "\r\n", s199},
        {"x\n" + s199 + "\r\n\r\n", s199},
        {"x\n" + s199 + "t\r\n", "t"},
        {"x\n" + l + "\r\n", std::string(101, 'l')},
        {"x\n" + l + l + "\r\n", std::string(600 - 3 * 199, 'l')},
        {std::string("\0\xff\x1a", 3) + "\r\n", std::string("\0\xff\x1a", 3)},
    };
    TempDir dir;
    for (const auto& c : cases) {
        dir.Write("Kestrofl.dat", c.bytes);
        for (size_t block : kBlockSizes) EXPECT_EQ(LastPiece(dir.File("Kestrofl.dat"), 200, block), c.last) << block;
        EXPECT_EQ(LastPieceFromStart(dir.File("Kestrofl.dat"), 200), c.last);
    }
}

// Files of CRs, LFs and text in every order, read with short buffers (many pieces) and blocks
// alike: the lines are those of a reading character by character, and the last line read back
// from the end is the one such a reading ends with.
TEST(LineReader, AgreesWithAReadingCharacterByCharacter) {
    std::mt19937 random(14);
    TempDir dir;
    // Short files in tiny blocks, and files of several 64-byte stretches in blocks that end
    // anywhere within them.
    for (int round = 0; round < 800; ++round) {
        const bool small = round < 400;
        std::string bytes(random() % (small ? 40 : 400), '\0');
        const std::string_view alphabet = small || round % 2 == 0 ? "ab\r\n\n" : "abcdefghijklmnopqrstuvwxyz0123\r\n";
        for (char& c : bytes) c = alphabet[random() % alphabet.size()];
        dir.Write("any.txt", bytes);
        const size_t bufferSize = 2 + random() % (small ? 6 : 90);
        const size_t block = 1 + random() % (small ? 9 : 300);
        EXPECT_EQ(ReadPieces(dir.File("any.txt"), bufferSize, block), reference::TextModeLines(dir.File("any.txt"), bufferSize))
            << testing::PrintToString(bytes) << " buffer " << bufferSize << " block " << block;
        EXPECT_EQ(LastPiece(dir.File("any.txt"), bufferSize, block), LastPieceFromStart(dir.File("any.txt"), bufferSize))
            << testing::PrintToString(bytes) << " buffer " << bufferSize << " block " << block;
    }
}
