#include <gtest/gtest.h>

#include "recorder/MouseHints.h"
#include "recorder/StatusLayout.h"

using namespace kestrowa;

namespace {

constexpr Colour kFace = 0xD4D0C8;
// The template's font as it came out bigger: 8 × 16 pixels instead of 7 × 13.
const DialogScale kLarger(kStatusDesignUnits, {8, 16});

TEST(Hints, AreaOfAPoint) {
    struct Case {
        int x, y;
        DialogScale scale;
        const char* hint;  // nullptr: none
    } cases[] = {
        {203, 5, {}, "最小化(タスクバーで表示)"},
        {227, 27, {}, nullptr},  // right edge is outside
        {228, 10, {}, nullptr},  // between minimize and Ver
        {229, 3, {}, "バージョン情報を表示する"},
        {262, 20, {}, "ヘルプファイルを開く"},
        {215, 37, {}, "「環境設定」ﾀﾞｲｱﾛｸﾞを開く"},
        {256, 50, {}, nullptr},
        {257, 50, {}, "「稼動状況の表示」ﾀﾞｲｱﾛｸﾞを開く"},
        {229, 75, {}, "本アプリケーションを終了する"},
        {294, 103, {}, "本アプリケーションを終了する"},
        {294, 104, {}, nullptr},  // bottom edge is outside
        {10, 10, {}, nullptr},
        // Under the larger font Ver's area is 262-298 × 4-41: where help was, Ver is now.
        {270, 20, kLarger, "バージョン情報を表示する"},
        {305, 20, kLarger, "ヘルプファイルを開く"},
        {240, 10, kLarger, "最小化(タスクバーで表示)"},
        {300, 110, kLarger, "本アプリケーションを終了する"},
        {300, 128, kLarger, nullptr},  // 104 × 16/13: the bottom edge
    };
    for (const Case& c : cases) {
        const HintArea* hint = HintAt(c.x, c.y, c.scale);
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
    MouseHints hints(kFace);
    const DialogScale same;
    EXPECT_TRUE(hints.MouseMove(10, 10, same).Empty());
    EXPECT_EQ(DrawListText(hints.MouseMove(240, 20, same)),
              "font \"ＭＳ ゴシック\" 12 400\n"
              "text 7 106 #000000 on #d4d0c8 \"" + blank + "\"\n"
              "text 8 93 #0000ff on #d4d0c8 \"バージョン情報を表示する\"\n");
    EXPECT_EQ(hints.Shown(), "バージョン情報を表示する");
    EXPECT_EQ(hints.MouseMove(270, 20, same).Texts().back().text, "ヘルプファイルを開く");
    EXPECT_EQ(DrawListText(hints.MouseMove(10, 10, same)),
              "font \"ＭＳ ゴシック\" 12 400\n"
              "text 7 93 #d4d0c8 on #d4d0c8 \"" + blank + "\"\n");
    EXPECT_EQ(hints.Shown(), "");
    EXPECT_TRUE(hints.MouseMove(11, 10, same).Empty());
}

TEST(Hints, TheLineMovesWithTheFont) {
    MouseHints hints(kFace);
    hints.MouseMove(270, 20, kLarger);
    // 7 × 8/7 and 93 × 16/13 = 114.46; the font too: 12 × 16/13 = 14.77
    EXPECT_EQ(DrawListText(hints.MouseMove(1, 1, kLarger)),
              "font \"ＭＳ ゴシック\" 15 400\n"
              "text 8 114 #d4d0c8 on #d4d0c8 \"" + HintBlankText() + "\"\n");
}

TEST(Blanking, HiddenItemsAreCoveredInTheButtonFace) {
    EXPECT_TRUE(BlankDrawing({}, kFace, {}).Empty());
    EXPECT_EQ(DrawListText(BlankDrawing({kMarkArea, kMonthArea}, kFace, {})),
              "pen #d4d0c8 1 solid\n"
              "brush #d4d0c8\n"
              "rect 159 51 206 68\n"
              "rect 66 72 206 89\n");
    // 66 × 8/7 = 75.4, 34 × 16/13 = 41.8, 164 × 8/7 = 187.4, 50 × 16/13 = 61.5
    EXPECT_EQ(DrawListText(BlankDrawing({kTodayCountArea}, kFace, kLarger)),
              "pen #d4d0c8 1 solid\n"
              "brush #d4d0c8\n"
              "rect 75 42 187 62\n");
}

}  // namespace
