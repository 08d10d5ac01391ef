#include "recorder/settings/SettingsChoices.h"

#include <gtest/gtest.h>

namespace kestrowa {
namespace {

TEST(SettingsStatusLineTest, EachTabSetsItsLineAndTheNoticeTabKeepsTheOneBefore) {
    EXPECT_EQ(SettingsStatusLine(0), "「ｽﾀｰﾄｱｯﾌﾟで起動」と「パソコンの起動時刻の補正」は次回起動から有効");
    EXPECT_EQ(SettingsStatusLine(1), std::string(61, ' '));
    EXPECT_EQ(SettingsStatusLine(2), std::string(61, ' '));
    EXPECT_EQ(SettingsStatusLine(3), "ログファイルの変更は｢稼動状況の表示｣ダイアログで行います。");
    EXPECT_EQ(SettingsStatusLine(4), std::nullopt);
}

TEST(IntervalChoiceTest, OnlyTheOfferedIntervalsHaveARadio) {
    EXPECT_EQ(IntervalChoice(1), 0u);
    EXPECT_EQ(IntervalChoice(5), 2u);
    EXPECT_EQ(IntervalChoice(60), 5u);
    EXPECT_EQ(IntervalChoice(3), std::nullopt);
    EXPECT_EQ(IntervalChoice(0), std::nullopt);
}

TEST(MovedOffsetTest, CountsOnePixelAndStopsWhereTheSettingStopsReadingBack) {
    EXPECT_EQ(MovedOffset(0, -1), -1);
    EXPECT_EQ(MovedOffset(-1, +1), 0);
    EXPECT_EQ(MovedOffset(32767, +1), 32767);
    EXPECT_EQ(MovedOffset(-32768, -1), -32768);
    EXPECT_EQ(OffsetText(-12), "-12");
}

}  // namespace
}  // namespace kestrowa
