#include <gtest/gtest.h>

#include "recorder/MouseHints.h"

using namespace kestrowa;

namespace {

TEST(Hints, AreaOfAPoint) {
    struct Case {
        int x, y;
        const char* hint;  // nullptr: none
    } cases[] = {
        {203, 5, "最小化(タスクバーで表示)"},
        {227, 27, nullptr},  // right edge is outside
        {228, 10, nullptr},  // between minimize and Ver
        {229, 3, "バージョン情報を表示する"},
        {262, 20, "ヘルプファイルを開く"},
        {215, 37, "「環境設定」ﾀﾞｲｱﾛｸﾞを開く"},
        {256, 50, nullptr},
        {257, 50, "「稼動状況の表示」ﾀﾞｲｱﾛｸﾞを開く"},
        {229, 75, "本アプリケーションを終了する"},
        {294, 103, "本アプリケーションを終了する"},
        {294, 104, nullptr},  // bottom edge is outside
        {10, 10, nullptr},
    };
    for (const Case& c : cases) {
        const HintArea* hint = HintAt(c.x, c.y);
        if (c.hint) {
            ASSERT_NE(hint, nullptr) << c.x << "," << c.y;
            EXPECT_EQ(hint->text, c.hint);
        } else {
            EXPECT_EQ(hint, nullptr) << c.x << "," << c.y << " " << (hint ? hint->text : "");
        }
    }
}

TEST(Hints, DrawnOnEntryAndClearedOnceOnLeaving) {
    const std::string blank = "                             　 ";
    EXPECT_EQ(HintBlankText(), blank);
    MouseHints hints;
    EXPECT_TRUE(hints.MouseMove(10, 10).empty());
    EXPECT_EQ(hints.MouseMove(240, 20), (std::vector<HintOutput>{{7, 106, blank, Ink::Black, Ink::ButtonFace},
                                                                {8, 93, "バージョン情報を表示する", Ink::Blue, Ink::ButtonFace}}));
    EXPECT_TRUE(hints.shown);
    EXPECT_EQ(hints.MouseMove(270, 20).back().text, "ヘルプファイルを開く");
    EXPECT_EQ(hints.MouseMove(10, 10), (std::vector<HintOutput>{{7, 93, blank, Ink::ButtonFace, Ink::ButtonFace}}));
    EXPECT_FALSE(hints.shown);
    EXPECT_TRUE(hints.MouseMove(11, 10).empty());
}

}  // namespace
