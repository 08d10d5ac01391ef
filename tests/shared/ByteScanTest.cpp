// Built twice, with the processor's vector instructions and with the plain branch forced
// (shared_portable_tests), so that both answer alike.
#include "shared/ByteScan.h"

#include <gtest/gtest.h>

#include <string>

using namespace kestrowa;

TEST(ByteScan, TheRecordersFormIsSixteenColumnsOfTheirKindThenCrLf) {
    struct Case {
        std::string bytes;  // the 18 bytes looked at
        bool recorderForm;
    } cases[] = {
        {"S 11/05/03 08:15\r\n", true},  {"E 99/99/99 99:99\r\n", true},  {"Z 00/00/00 00:00\r\n", true},
        {"x 11/05/03 08:15\r\n", false}, {"@ 11/05/03 08:15\r\n", false}, {"[ 11/05/03 08:15\r\n", false},
        {"\n 11/05/03 08:15\r\n", false}, {"S-11/05/03 08:15\r\n", false}, {"S 11/05/03 08:15\n\n", false},
        {"S 11/05/03 08:15 \n", false},   {"S 11/05/03 08:1\r\r\n", false}, {"S 1:/05/03 08:15\r\n", false},
        {"S 11/05//3 08:15\r\n", false},  {"S 11/05/03-08:15\r\n", false}, {"S 11/05/03 08.15\r\n", false},
        {"S 11/05/03 08:1\xb5\r\n", false}, {"S 11/05/03 \n8:15\r\n", false},
        {std::string("S 11/05/03 08:1\0\r\n", 18), false},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.bytes.size(), kRecorderLineBytes) << c.bytes;
        EXPECT_EQ(IsRecorderLine(c.bytes.data()), c.recorderForm) << c.bytes;
    }
}

TEST(ByteScan, LineFeedsAndMonthMarksAreFoundWhereverTheyStand) {
    // 64 bytes with LFs at the edges of each 16-byte lane, and shorter pieces of them.
    std::string bytes(64, 'x');
    for (const size_t at : {0, 15, 16, 31, 47, 63}) bytes[at] = '\n';
    for (const size_t n : {64, 63, 17, 1}) {
        std::uint64_t expected = 0;
        for (size_t i = 0; i < n; ++i) expected |= static_cast<std::uint64_t>(bytes[i] == '\n') << i;
        EXPECT_EQ(LineFeedMask(bytes.data(), n), expected) << n;
    }
    const MonthMark may{'0', '9', '/', '0', '5', '/'};
    // Near misses (the same units in another decade or month) before the mark, at every offset.
    for (size_t at = 0; at < 40; ++at) {
        std::string text = std::string(at, '-') + "19/05/ 09/15/ 09/05/" + std::string(20, '-');
        EXPECT_EQ(FindMonthMark(text, may), at + 14) << at;
    }
    EXPECT_EQ(FindMonthMark("S 09/05", may), std::string_view::npos);
}
