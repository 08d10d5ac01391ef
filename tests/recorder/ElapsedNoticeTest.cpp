#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "recorder/ElapsedNotice.h"
#include "recorder/Stopwatch.h"

using namespace kestrowa;

namespace {

// The boxes a run of full refreshes shows, one refresh per running minute from `from` to `to`.
std::vector<std::string> Boxes(ElapsedNotice& notice, int from, int to, bool restart = false) {
    std::vector<std::string> shown;
    for (int minutes = from; minutes <= to; ++minutes) {
        if (auto text = notice.Check(minutes, restart)) shown.push_back(*text);
    }
    return shown;
}

TEST(Notice, FirstMarkThenEveryInterval) {
    ElapsedNotice notice;
    EXPECT_TRUE(Boxes(notice, 0, 200).empty()) << "off";
    notice.on = true;
    EXPECT_EQ(Boxes(notice, 0, 95), (std::vector<std::string>{"起動後60分経過しました！", "起動後75分経過しました！",
                                                              "起動後90分経過しました！"}));
    ElapsedNotice again;
    again.on = true;
    EXPECT_EQ(Boxes(again, 59, 61, true), (std::vector<std::string>{"再起動後60分経過しました！"}));
}

TEST(Notice, MissedMarksComeOnePerRefresh) {
    ElapsedNotice notice;
    notice.on = true;
    EXPECT_EQ(notice.Check(100, false), "起動後60分経過しました！");
    EXPECT_EQ(notice.Check(100, false), "起動後75分経過しました！");
    EXPECT_EQ(notice.Check(100, false), "起動後90分経過しました！");
    EXPECT_EQ(notice.Check(100, false), std::nullopt);
}

TEST(Notice, OpeningTheSettingsMovesAPassedMarkToTheNextFullHour) {
    ElapsedNotice notice;
    notice.BeforeSettingsOpen(100);
    EXPECT_EQ(notice.firstMark, 120);
    notice.TakeSettings(true, notice.firstMark, notice.interval);
    EXPECT_EQ(Boxes(notice, 100, 121), (std::vector<std::string>{"起動後120分経過しました！"}));

    ElapsedNotice early;
    early.firstMark = 10;
    early.BeforeSettingsOpen(50);
    EXPECT_EQ(early.firstMark, 60);
    early.TakeSettings(true, early.firstMark, early.interval);
    EXPECT_EQ(Boxes(early, 50, 60), (std::vector<std::string>{"起動後60分経過しました！"}));

    ElapsedNotice ahead;
    ahead.BeforeSettingsOpen(60);  // not below: stays
    EXPECT_EQ(ahead.firstMark, 60);
}

TEST(Notice, ConfirmedSettings) {
    ElapsedNotice notice;
    notice.on = true;
    Boxes(notice, 0, 80);
    ASSERT_EQ(notice.count, 2);
    notice.TakeSettings(true, 60, 15);
    EXPECT_EQ(notice.count, 2) << "unchanged values keep the schedule";
    notice.TakeSettings(true, 60, 0);
    EXPECT_EQ(notice.count, 0);
    EXPECT_EQ(notice.interval, 1);
    notice.TakeSettings(true, -5, 1);
    EXPECT_EQ(notice.firstMark, 1);
}

TEST(Notice, HugeTypedNumbersNeverWrapIntoANoticeAtEveryRefresh) {
    ElapsedNotice notice;
    notice.TakeSettings(true, 1, INT_MAX);
    EXPECT_EQ(notice.Check(5, false), "起動後1分経過しました！");
    EXPECT_EQ(notice.Check(6, false), std::nullopt);
    notice.TakeSettings(true, INT_MAX, INT_MAX);
    EXPECT_EQ(notice.Check(INT_MAX - 1, false), std::nullopt);
}

TEST(NoticePage, RunningTimeAndWarnings) {
    EXPECT_EQ(NoticeRunningTimeText(45, false), "＜起動後45分経過！＞");
    EXPECT_EQ(NoticeRunningTimeText(60, true), "＜再起動後60分経過！＞");
    EXPECT_EQ(NoticeRunningTimeText(125, false), "＜起動後 2時：05分経過！＞");
    EXPECT_EQ(FirstMarkWarning(30, 45), "現在の経過時間 45(分)より大きい値を指定してください");
    EXPECT_EQ(FirstMarkWarning(30, 125), "現在の経過時間 02時：05分より大きい値を指定してください");
    EXPECT_EQ(FirstMarkWarning(45, 45), std::nullopt);
    EXPECT_EQ(IntervalWarning(0), "1分より大きな値を指定してください");
    EXPECT_EQ(IntervalWarning(1), std::nullopt);
}

TEST(StopwatchButton, StartAndStopTexts) {
    struct Case {
        std::uint64_t startMs;
        std::uint64_t stopMs;
        const char* text;
    } cases[] = {
        {1'000'000, 1'042'000, "               <ｽﾄｯﾌﾟｳｫｯﾁ>    42.00秒"},
        {1'000'000, 1'075'500, "         <ｽﾄｯﾌﾟｳｫｯﾁ>   1分15.50秒"},
        {1'000'000, 1'060'009, "         <ｽﾄｯﾌﾟｳｫｯﾁ>   1分00.00秒"},
        {1'000'000, 1'000'009, "               <ｽﾄｯﾌﾟｳｫｯﾁ>    0.00秒"},
    };
    for (const Case& c : cases) {
        Stopwatch watch;
        StatusUpdate started = watch.Press(c.startMs, true);
        EXPECT_TRUE(watch.running);
        EXPECT_EQ(started.texts.at(IDC_STOPWATCH_LINE),
                  "                 <計測中>                               ");
        EXPECT_EQ(started.bitmaps.at(IDC_STOPWATCH_BUTTON),
                  (BitmapSet{"IDB_BITMAP_STOP", "IDB_BITMAP_STOP"}));
        StatusUpdate stopped = watch.Press(c.stopMs, true);
        EXPECT_FALSE(watch.running);
        EXPECT_EQ(stopped.texts.at(IDC_STOPWATCH_LINE), c.text);
        EXPECT_EQ(stopped.bitmaps.at(IDC_STOPWATCH_BUTTON),
                  (BitmapSet{"IDB_BITMAP_START", "IDB_BITMAP_START"}));
    }
}

TEST(StopwatchButton, RunsUnseenWithoutTheButton) {
    Stopwatch watch;
    EXPECT_TRUE(watch.Press(500, false).texts.empty());
    EXPECT_TRUE(watch.running);
    EXPECT_EQ(watch.startMark, 50u);
    StatusUpdate stopped = watch.Press(900, false);
    EXPECT_TRUE(stopped.texts.empty());
    EXPECT_TRUE(stopped.bitmaps.empty());
    EXPECT_FALSE(watch.running);
}

}  // namespace
