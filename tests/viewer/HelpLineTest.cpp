#include <gtest/gtest.h>

#include "viewer/HelpLine.h"

using namespace kestrowa;

namespace {

constexpr Colour kFace = 0xD4D0C8;

std::string Blanks(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "　";
    return text;
}

TEST(HelpText, FirstAreaThatHoldsThePointer) {
    const DialogScale same;
    // The template's font as it came out bigger: 10 × 18 pixels instead of 8 × 15.
    const DialogScale larger(kViewerDesignUnits, {10, 18});
    struct Case {
        int x, y;
        ViewKind view;
        DialogScale scale;
        const char* text;  // nullptr: none
    } cases[] = {
        {390, 7, ViewKind::Calendar, same, "表示設定ダイアログを開く"},
        {438, 20, ViewKind::Calendar, same, nullptr},  // right edge of 設定, left of Version
        {450, 60, ViewKind::Calendar, same, "年を切り換える"},  // year and month overlap: year first
        {450, 80, ViewKind::Calendar, same, "月を切り換える"},
        {360, 440, ViewKind::Calendar, same, "月別：稼働時間の推移のグラフを表示"},
        {506, 482, ViewKind::Calendar, same, "ログの表示を中断する"},
        {200, 200, ViewKind::Calendar, same, "月別：起動・稼動状況、週間の稼動状況(カレンダー形式)"},
        {200, 200, ViewKind::Daily, same, "月別：日毎の最初の起動、最終の終了時刻、稼働時間等"},
        {200, 200, ViewKind::PerStart, same, "月別：起動毎の開始・終了時刻、稼働時間等"},
        {200, 200, ViewKind::YearMonth, same, "年月毎の起動・稼動状況"},
        {200, 433, ViewKind::Calendar, same, nullptr},  // below the list, above the buttons
        // 設定 from 487-548 across and 8-46 down; OK from 562-634 and 542-580; the list down to 520.
        {500, 40, ViewKind::Calendar, larger, "表示設定ダイアログを開く"},
        {600, 560, ViewKind::Calendar, larger, "ログの表示を中断する"},
        {470, 460, ViewKind::Calendar, same, "ログの表示を中断する"},
        {470, 460, ViewKind::Calendar, larger, "月別：起動・稼動状況、週間の稼動状況(カレンダー形式)"},
        {600, 530, ViewKind::Calendar, larger, nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> text = HelpText(c.x, c.y, c.view, c.scale);
        if (c.text) {
            EXPECT_EQ(text, c.text) << c.x << "," << c.y;
        } else {
            EXPECT_EQ(text, std::nullopt) << c.x << "," << c.y << " " << text.value_or("");
        }
    }
    // A view without a text of its own.
    EXPECT_EQ(HelpText(200, 200, static_cast<ViewKind>(3), same), Blanks(33));
}

TEST(HelpLine, ClearedAtTheFirstMoveOutsideThenDrawnPerArea) {
    HelpLine line(kFace);
    const DialogScale same;
    EXPECT_EQ(DrawListText(line.MouseMove(1, 1, ViewKind::Calendar, same)),
              "font \"ＭＳ ゴシック\" 12 400\n"
              "text 10 470 #d4d0c8 on #d4d0c8 \"" + Blanks(32) + "\"\n");
    EXPECT_TRUE(line.MouseMove(2, 2, ViewKind::Calendar, same).Empty());
    EXPECT_EQ(line.Shown(), "");
    EXPECT_EQ(DrawListText(line.MouseMove(300, 440, ViewKind::Calendar, same)),
              "font \"ＭＳ ゴシック\" 12 400\n"
              "text 10 470 #d4d0c8 on #d4d0c8 \"" + Blanks(35) + "\"\n"
              "text 11 470 #0000ff on #d4d0c8 \"ログファイルを表示\"\n");
    EXPECT_EQ(line.Shown(), "ログファイルを表示");
    // Every move over an area draws again, the same area included.
    EXPECT_EQ(line.MouseMove(301, 440, ViewKind::Calendar, same).Texts().size(), 2u);
    EXPECT_EQ(line.MouseMove(2, 2, ViewKind::Calendar, same).Texts().size(), 1u);
    EXPECT_EQ(line.Shown(), "");
}

TEST(HelpLine, TheLineMovesWithTheFont) {
    HelpLine line(kFace);
    // 10 × 9/8 = 11.25 and 470 × 16/15 = 501.33, the font 12 × 16/15 = 12.8; the text one pixel
    // right of its blanks.
    EXPECT_EQ(DrawListText(line.MouseMove(540, 500, ViewKind::Calendar, DialogScale(kViewerDesignUnits, {9, 16}))),
              "font \"ＭＳ ゴシック\" 13 400\n"
              "text 11 501 #d4d0c8 on #d4d0c8 \"" + Blanks(35) + "\"\n"
              "text 12 501 #0000ff on #d4d0c8 \"ログの表示を中断する\"\n");
}

}  // namespace
