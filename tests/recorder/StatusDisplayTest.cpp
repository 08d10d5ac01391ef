#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "TempDir.h"
#include "fakes/FixedClock.h"
#include "fakes/MemoryProfile.h"
#include "recorder/BootCorrection.h"
#include "recorder/StatusDisplay.h"
#include "shared/LogLine.h"
#include "shared/RecorderSettings.h"

using namespace kestrowa;
namespace key = recorder_key;

namespace {

// A run whose start was recorded; the display is made on demand so a test can set the profile
// first.
class Display : public ::testing::Test {
protected:
    Display() { Write(profile, key::Correct, 0); }

    StatusDisplay& Make() {
        display = std::make_unique<StatusDisplay>(clock, profile, *recording);
        return *display;
    }
    // Records a start at `start` after a previous run that ended at `lastEnd` ("": none stored);
    // `correction` stands for the boot-time correction.
    void Started(DateTime start, const std::string& lastEnd = "", const std::function<void()>& correction = {}) {
        Write(profile, key::LastWindwsEnd, lastEnd);
        clock.Set(start);
        recording = std::make_unique<SessionRecording>(clock, profile, SessionLog(logPath));
        recording->RecordStart(correction);
    }
    // Changes one thing of the display's settings, as the settings dialog's OK does.
    StatusUpdate Change(const std::function<void(RecorderSettings&)>& edit) {
        RecorderSettings next = display->Settings();
        edit(next);
        return display->TakeSettings(next);
    }
    std::string Text(const StatusUpdate& u, int control) const {
        auto it = u.texts.find(control);
        return it == u.texts.end() ? "<unset>" : it->second;
    }

    TempDir dir;
    std::string logPath = dir.File("Kestrofl.dat");
    FixedClock clock{{2011, 5, 3, 8, 15, 0}};
    MemoryProfile profile;
    std::unique_ptr<SessionRecording> recording;
    std::unique_ptr<StatusDisplay> display;
};

TEST_F(Display, MarkBlinksBetweenRefreshes) {
    Started({2011, 5, 3, 8, 15, 0});
    Make();
    for (const char* mark : {"*****", "*", "*****", "*"}) {
        StatusUpdate u = display->Tick();
        EXPECT_EQ(u.texts, (std::map<int, std::string>{{IDC_MARK, mark}}));
        EXPECT_FALSE(u.restartTimer);
    }
    clock.Set({2011, 5, 3, 8, 15, 5});
    StatusUpdate refresh = display->Tick();
    for (int i = 5; i < 30; ++i) display->Tick();
    EXPECT_EQ(Read(profile, key::LastWindwsEnd), "E 2011/05/03 08:15") << "the 30th tick leaves the heartbeat";
    EXPECT_TRUE(refresh.restartTimer);
    EXPECT_EQ(Text(refresh, IDC_MARK), "<unset>");
    EXPECT_EQ(Text(refresh, IDC_RUNNING_TIME), "  0分05秒");
    EXPECT_EQ(Text(refresh, IDC_SECOND_ROW), "2011/05/03 08:15:05");
}

TEST_F(Display, IntervalOneRefreshesEveryTickAndNeverShowsTheMark) {
    Write(profile, key::Sec, 1);
    Started({2011, 5, 3, 8, 15, 0});
    Make();
    for (int second = 1; second <= 3; ++second) {
        clock.Set({2011, 5, 3, 8, 15, second});
        StatusUpdate u = display->Tick();
        EXPECT_TRUE(u.restartTimer);
        EXPECT_EQ(Text(u, IDC_MARK), "<unset>");
        EXPECT_EQ(Text(u, IDC_RUNNING_TIME), "  0分0" + std::to_string(second) + "秒");
    }
}

TEST_F(Display, EachOfferedIntervalRefreshesEveryIntervalTicksAndBlinksBetween) {
    Started({2011, 5, 3, 8, 15, 0});
    for (int interval : {1, 2, 5, 10, 30, 60}) {
        SCOPED_TRACE(interval);
        Write(profile, key::Sec, interval);
        Make();
        for (int tick = 1; tick <= 2 * interval; ++tick) {
            const StatusUpdate u = display->Tick();
            const int sinceRefresh = tick % interval;
            EXPECT_EQ(u.restartTimer, sinceRefresh == 0) << tick;
            EXPECT_EQ(Text(u, IDC_MARK),
                      sinceRefresh == 0 ? "<unset>" : sinceRefresh % 2 == 1 ? "*****" : "*")
                << tick;
        }
    }
}

TEST_F(Display, HiddenMarkStaysUntouchedAndANewIntervalCountsFromTheNextRefresh) {
    Started({2011, 5, 3, 8, 15, 0});
    Make();
    Change([](RecorderSettings& s) { s.showMark = false; });
    EXPECT_TRUE(display->Tick().texts.empty());
    Change([](RecorderSettings& s) { s.interval = 2; });
    EXPECT_TRUE(display->Tick().restartTimer);  // the counter stood at 1, the new limit
    EXPECT_FALSE(display->Tick().restartTimer);
    EXPECT_TRUE(display->Tick().restartTimer);
}

TEST_F(Display, RunningTimeAndTitle) {
    struct Case {
        const char* name;
        bool restart;
        DateTime start;
        DateTime now;
        const char* running;
        const char* title;
        int minutes;
    } cases[] = {
        {"seconds", false, {2011, 5, 3, 8, 15, 0}, {2011, 5, 3, 8, 17, 5}, "  2分05秒", "起動後  2分 5秒", 2},
        {"just below an hour", false, {2011, 5, 3, 8, 15, 0}, {2011, 5, 3, 9, 14, 59}, " 59分59秒", "起動後 59分59秒", 59},
        {"one hour", false, {2011, 5, 3, 8, 15, 0}, {2011, 5, 3, 9, 15, 0}, "1時00分00秒", "起動後  1時 0分 0秒", 60},
        {"hours", false, {2011, 5, 3, 8, 15, 30}, {2011, 5, 3, 18, 27, 39}, "10時12分09秒", "起動後 10時12分 9秒", 612},
        {"after a restart", true, {2011, 5, 3, 8, 15, 0}, {2011, 5, 3, 8, 17, 5}, "  2分05秒", " 2分 5秒 経過", 2},
        {"hours after a restart", true, {2011, 5, 3, 8, 0, 0}, {2011, 5, 3, 10, 5, 7}, "2時05分07秒", " 2時 5分 7秒 経過", 125},
        {"across midnight", false, {2011, 5, 3, 23, 50, 0}, {2011, 5, 4, 0, 10, 0}, " 20分00秒", "起動後 20分 0秒", 20},
        {"across a month end", false, {2011, 4, 30, 23, 0, 0}, {2011, 5, 1, 1, 0, 0}, "2時00分00秒", "起動後  2時 0分 0秒", 120},
        {"over 24 hours", false, {2011, 5, 3, 8, 15, 0}, {2011, 5, 4, 9, 15, 0}, "25時00分00秒", "起動後 25時 0分 0秒", 1500},
        {"minutes of the hour below the start's", false, {2011, 5, 3, 8, 50, 0}, {2011, 5, 4, 8, 10, 0}, "23時20分00秒",
         "起動後 23時20分 0秒", 1400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Started(c.start, c.restart ? FullEndLine(c.start) : "");
        ASSERT_EQ(recording->Restart(), c.restart);
        clock.Set(c.now);
        StatusUpdate u = Make().Refresh();
        EXPECT_EQ(Text(u, IDC_RUNNING_TIME), c.running);
        EXPECT_EQ(u.title, c.title);
        EXPECT_EQ(display->RunningMinutes(), c.minutes);
    }
}

TEST_F(Display, WindowsBootTimingUsesTheTickCount) {
    Write(profile, key::Correct, 4);
    Started({2011, 5, 3, 8, 15, 0}, "E 2011/05/03 08:15");
    clock.Set({2011, 5, 3, 8, 16, 0});
    struct Case {
        std::uint32_t tick;
        const char* running;
        const char* title;
        int minutes;
    } cases[] = {
        {125'400, " 2分05秒", " 2分 5秒 経過", 2},
        {3'725'000, " 1時02分05秒", " 1時 2分 5秒 経過", 62},
        {90'000'000, "25時00分00秒", "25時 0分 0秒 経過", 1500},
    };
    for (const Case& c : cases) {
        clock.SetTick(c.tick);
        StatusUpdate u = Make().Refresh();
        EXPECT_EQ(Text(u, IDC_RUNNING_TIME), c.running);
        EXPECT_EQ(u.title, c.title);
        EXPECT_EQ(display->RunningMinutes(), c.minutes);
    }
    recording->SwitchRestartHandling(RestartSwitch::Button);  // timed from the shown start again
    EXPECT_EQ(Text(display->Refresh(), IDC_RUNNING_TIME), "  1分00秒");
}

TEST_F(Display, StartTimeTitleOnceChosenIsTheOneKeptFromTheStart) {
    Write(profile, key::Correct, 2);  // the hook stands for it
    Started({2011, 5, 3, 8, 15, 0}, "", [this] { recording->TakeCorrectedStart({2011, 5, 3, 7, 58, 0}); });
    Make();
    EXPECT_EQ(Text(display->ToggleStartTime(), IDC_START_TIME), "2011/05/03 08:15:00");  // the run's own start
    EXPECT_EQ(Change([](RecorderSettings& s) { s.title = TitleItem::StartTime; }).title, std::nullopt);
    EXPECT_EQ(display->Refresh().title, "起動5月3日07:58");
    EXPECT_EQ(Change([](RecorderSettings& s) { s.title = TitleItem::RunningTime; }).title, std::nullopt);
    EXPECT_EQ(display->Refresh().title, "起動後  0分 0秒");
}

// While lines wait for a log that cannot be written, the title names the file and the reason in
// place of either title, from the start on; once they are written it is the chosen one again.
TEST_F(Display, TheTitleTellsOfALogThatCannotBeWritten) {
    std::filesystem::create_directory(logPath);
    Started({2011, 5, 3, 8, 15, 0});
    Make();
    const std::string problem = "記録ファイル " + logPath +
                                " に書き込めません（同じ名前のフォルダーがあります）。記録は取ってあり、書き込めるようになりしだい書き込みます";
    EXPECT_EQ(display->Initial().title, problem);
    EXPECT_EQ(display->Refresh().title, problem);
    Change([](RecorderSettings& s) { s.title = TitleItem::StartTime; });
    EXPECT_EQ(display->Refresh().title, problem);
    std::filesystem::remove(logPath);
    recording->Heartbeat();
    EXPECT_EQ(display->Refresh().title, "起動5月3日08:15");
    EXPECT_EQ(dir.Read("Kestrofl.dat"), "S 11/05/03 08:15\r\n");
}

TEST_F(Display, SecondRowShowsTheLastEnd) {
    Started({2011, 5, 3, 18, 0, 0}, "E 2011/05/03 17:45");
    Make();
    StatusUpdate lastEnd = display->ToggleSecondRow();
    EXPECT_EQ(Text(lastEnd, IDC_SECOND_ROW), "2011/05/03 17:45");
    EXPECT_EQ(lastEnd.bitmaps.at(IDC_SECOND_ROW_BUTTON),
              (BitmapSet{"IDB_BITMAP_TMACSS", "IDB_BITMAP_TMACSS"}));
    EXPECT_EQ(Text(display->Refresh(), IDC_SECOND_ROW), "<unset>");

    clock.Set({2011, 5, 3, 18, 0, 9});
    StatusUpdate current = display->ToggleSecondRow();
    EXPECT_EQ(Text(current, IDC_SECOND_ROW), "2011/05/03 18:00:09");
    EXPECT_EQ(current.bitmaps.at(IDC_SECOND_ROW_BUTTON),
              (BitmapSet{"IDB_BITMAP_TMPRSNT", "IDB_BITMAP_TMPRSNT"}));

    // A heartbeat from a clock once set to the last century keeps its century.
    Started({2011, 5, 3, 18, 0, 0}, "E 1999/12/31 23:59");
    Make();
    EXPECT_EQ(Text(display->ToggleSecondRow(), IDC_SECOND_ROW), "1999/12/31 23:59");
}

TEST_F(Display, SettingsTakenOverAsOneValue) {
    Started({2011, 5, 3, 18, 0, 0}, "E 2011/05/03 17:45");  // manual: a restart
    Make();
    RecorderSettings next = display->Settings();
    next.secondRow = SecondRowItem::LastEnd;
    next.restartHandling = false;
    next.interval = 10;
    next.notice = {true, 30, 5};
    StatusUpdate u = display->TakeSettings(next);
    EXPECT_EQ(Text(u, IDC_SECOND_ROW), "2011/05/03 17:45");
    EXPECT_EQ(u.bitmaps.at(IDC_SECOND_ROW_BUTTON),
              (BitmapSet{"IDB_BITMAP_TMACSS", "IDB_BITMAP_TMACSS"}));
    EXPECT_EQ(u.bitmaps.at(IDC_START_TIME_BUTTON),
              (BitmapSet{"IDB_BITMAP_SYSREST", "IDB_BITMAP_SYSREST"}));
    EXPECT_FALSE(recording->RestartHandling());
    EXPECT_EQ(display->Settings(), next);
    // The same value again switches nothing; the fields every OK rewrites are all it shows.
    u = display->TakeSettings(next);
    EXPECT_EQ(u.texts, (std::map<int, std::string>{{IDC_END_BUTTON, "終了(OK)"},
                                                   {IDC_START_MODE, "M"},
                                                   {IDC_MARK, "　　　 "},
                                                   {IDC_DAY_COUNT, " 1回目の起動"}}));
    EXPECT_TRUE(u.bitmaps.empty());
    EXPECT_EQ(display->Settings(), next);
}

TEST_F(Display, StoredValuesOutsideTheirRangeShowAsTheirDefaults) {
    Write(profile, key::Sec, INT_MIN);
    Write(profile, key::DayCount, INT_MAX);
    Write(profile, key::LastStart, "S 2011/05/03 07:00");
    Write(profile, key::AptnSet, StartMethod::Tray);
    for (IntSetting part : {key::PresentYear, key::PresentMonth, key::PresentDate, key::PresentHour,
                            key::PresentMinute, key::PresentSecond})
        Write(profile, part, INT_MAX);
    Started({2011, 5, 3, 8, 15, 0}, "E 2011/05/03 08:10");
    ASSERT_TRUE(recording->Restart());
    StatusUpdate initial = Make().Initial();
    EXPECT_EQ(Text(initial, IDC_DAY_COUNT), " 2回目の起動");
    EXPECT_EQ(Text(initial, IDC_START_TIME), "2011/05/03 08:15:00") << "no stored PC start";
    for (int tick = 1; tick < 5; ++tick) EXPECT_FALSE(display->Tick().restartTimer) << tick;
    clock.Set({2011, 5, 3, 8, 15, 5});
    StatusUpdate refresh = display->Tick();
    EXPECT_TRUE(refresh.restartTimer);
    EXPECT_EQ(refresh.title, " 0分 5秒 経過");
}

TEST_F(Display, RepaintRefreshesAtTheNextTickAndBlanksHiddenItems) {
    Write(profile, key::DayCountFlag, 0);
    Write(profile, key::ManthiyTime, 0);
    Started({2011, 5, 3, 8, 15, 0});
    Make();
    display->Tick();
    EXPECT_TRUE(display->Refresh().blank.empty());
    display->RequestRepaint();
    StatusUpdate u = display->Tick();
    EXPECT_TRUE(u.restartTimer);
    EXPECT_EQ(u.blank, (std::vector<Rect>{kTodayCountArea, kMonthArea}));
    EXPECT_TRUE(display->Refresh().blank.empty());
    // The interval stays: four blinks, then the next refresh.
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(display->Tick().restartTimer);
    EXPECT_TRUE(display->Tick().restartTimer);
}

TEST_F(Display, NoticeAtTheEndOfAFullRefresh) {
    Write(profile, key::Sec, 1);
    Started({2011, 5, 3, 8, 0, 0});
    Make();
    Change([](RecorderSettings& s) { s.notice.on = true; });
    clock.Set({2011, 5, 3, 8, 59, 59});
    EXPECT_EQ(display->Tick().notice, std::nullopt);
    clock.Set({2011, 5, 3, 9, 0, 0});
    EXPECT_EQ(display->Tick().notice, "起動後60分経過しました！");
    EXPECT_EQ(display->Tick().notice, std::nullopt);
}

TEST_F(Display, InitialTexts) {
    dir.Write("Kestrofl.dat", CrLf({"S 11/05/01 08:00", "E 11/05/01 10:30"}));
    Write(profile, key::AptnSet, StartMethod::StartupFolder);
    Write(profile, key::DayCount, 2);
    Write(profile, key::LastStart, "S 2011/05/03 07:00");
    Started({2011, 5, 3, 8, 15, 0});
    StatusUpdate u = Make().Initial();
    EXPECT_EQ(u.texts, (std::map<int, std::string>{
                           {IDC_END_BUTTON, "-----"},
                           {IDC_MARK, "        "},
                           {IDC_START_TIME, "2011/05/03 08:15:00"},
                           {IDC_START_MODE, "A"},
                           {IDC_DAY_COUNT, " 3回目の起動"},
                           {IDC_MONTH_TOTAL, "2.50時間"},
                           {IDC_MONTH_COUNT, "  1回"},
                           {IDC_MONTH_LABEL, " 今月稼動"},
                       }));
    EXPECT_EQ(u.title, "起動5月3日08:15");
    EXPECT_TRUE(u.blank.empty());
    Change([](RecorderSettings& s) { s.monthTimeForm = MonthTimeForm::HoursAndMinutes; });
    EXPECT_EQ(display->MonthTotalText(), "2時間30分");
}

TEST_F(Display, InitialTextsOfHiddenItems) {
    dir.Write("Kestrofl.dat", CrLf({"S 11/05/03 08:15"}));
    Write(profile, key::DayCountFlag, 0);
    Write(profile, key::ManthiyTime, 0);
    Started({2011, 5, 3, 8, 15, 0});
    Make();
    Change([](RecorderSettings& s) {
        s.showLetter = false;
        s.showMark = false;
    });
    StatusUpdate u = display->Initial();
    EXPECT_EQ(Text(u, IDC_START_MODE), " ");
    for (int control : {IDC_DAY_COUNT, IDC_MONTH_LABEL, IDC_MONTH_TOTAL, IDC_MONTH_COUNT})
        EXPECT_EQ(Text(u, control), kFieldBlank) << control;
    EXPECT_EQ(u.blank, (std::vector<Rect>{kMarkArea, kTodayCountArea, kMonthArea}));
}

TEST_F(Display, WithoutALogTheMonthFieldsKeepTheirTemplateTexts) {
    logPath = dir.File("no-such-folder/Kestrofl.dat");
    Started({2011, 5, 3, 8, 15, 0});
    StatusUpdate u = Make().Initial();
    for (int control : {IDC_MONTH_LABEL, IDC_MONTH_TOTAL, IDC_MONTH_COUNT}) EXPECT_EQ(Text(u, control), "<unset>");
}

TEST_F(Display, StartModeLetter) {
    struct Case {
        StartMethod method;
        bool restart;
        const char* letter;
    } cases[] = {{StartMethod::Manual, false, "M"},       {StartMethod::Tray, false, "S"},
                 {StartMethod::StartupFolder, false, "A"}, {StartMethod::Tray, true, "M"},
                 {StartMethod::StartupFolder, true, "M"}};
    for (const Case& c : cases) {
        Write(profile, key::AptnSet, c.method);
        Started({2011, 5, 3, 8, 15, 0}, c.restart ? "E 2011/05/03 08:15" : "");
        EXPECT_EQ(Make().StartModeLetter(), c.letter) << static_cast<int>(c.method) << c.restart;
    }
}

TEST_F(Display, StartTimeButtonSwitchesBetweenPcStartAndRunStart) {
    StorePcStart(profile, {2011, 5, 3, 8, 13, 40});
    Write(profile, key::AptnSet, StartMethod::Tray);
    Started({2011, 5, 3, 10, 5, 9}, "E 2011/05/03 10:00");
    ASSERT_TRUE(recording->Restart());
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:13:40");
    clock.Set({2011, 5, 3, 10, 6, 9});
    Make();

    StatusUpdate own = display->ToggleStartTime();
    EXPECT_FALSE(recording->RestartHandling());
    EXPECT_EQ(Text(own, IDC_START_TIME), "2011/05/03 10:05:09");
    EXPECT_EQ(Text(own, IDC_RUNNING_TIME), "  1分00秒");
    EXPECT_EQ(own.bitmaps.at(IDC_START_TIME_BUTTON),
              (BitmapSet{"IDB_BITMAP_SYSREST", "IDB_BITMAP_SYSREST"}));

    StatusUpdate pc = display->ToggleStartTime();
    EXPECT_TRUE(recording->RestartHandling());
    EXPECT_EQ(Text(pc, IDC_START_TIME), "2011/05/03 08:13:40");
    EXPECT_EQ(Text(pc, IDC_RUNNING_TIME), "1時52分29秒");
    EXPECT_EQ(pc.bitmaps.at(IDC_START_TIME_BUTTON),
              (BitmapSet{"IDB_BITMAP_SYSSTRT", "IDB_BITMAP_SYSSTRT"}));
}

TEST_F(Display, StartTimeButtonOnAFreshStartOrWithoutAStoredPcStart) {
    Write(profile, key::AptnSet, StartMethod::Tray);
    Write(profile, key::Correct, 2);  // the hook stands for it, without storing a PC start
    Started({2011, 5, 3, 8, 15, 0}, "", [this] { recording->TakeCorrectedStart({2011, 5, 3, 8, 13, 0}); });
    Make();
    EXPECT_EQ(Text(display->ToggleStartTime(), IDC_START_TIME), "2011/05/03 08:13:00");
    StatusUpdate back = display->ToggleStartTime();  // PresentYear 0: the bitmaps stay
    EXPECT_TRUE(recording->RestartHandling());
    EXPECT_TRUE(back.bitmaps.empty());
    EXPECT_EQ(Text(back, IDC_START_TIME), "2011/05/03 08:13:00");
}

TEST(Placement, BasePositionAndOffsets) {
    struct Case {
        int width, height;
        OsFamily family;
        int leftRight, upDown, clientHeight;
        WindowPosition expected;
    } cases[] = {
        {1024, 768, OsFamily::Nt, 0, 0, 110, {674, 623}},
        {1024, 768, OsFamily::Win9x, 0, 0, 110, {684, 623}},
        {1024, 768, OsFamily::Nt, -5, 12, 110, {669, 611}},
        {1920, 1080, OsFamily::Nt, 3, -2, 100, {1573, 947}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StatusWindowPosition(c.width, c.height, c.family, c.leftRight, c.upDown, c.clientHeight), c.expected);
    }
}

// A run timed from the Windows boot, with the notice on and the second row on the last end; the
// PC sleeps at 12:00 and wakes the next morning.
TEST_F(Display, WakeShowsTheNewSessionAsAfterAStart) {
    Write(profile, key::AptnSet, StartMethod::StartupFolder);
    Write(profile, key::Correct, 4);
    Write(profile, key::Sec, 1);
    Started({2011, 5, 3, 8, 15, 0});
    Make();
    Change([](RecorderSettings& s) { s.notice.on = true; });
    clock.Set({2011, 5, 3, 9, 15, 0});
    clock.SetTick(3'600'000);
    EXPECT_EQ(display->Tick().notice, "起動後60分経過しました！");
    display->ToggleSecondRow();
    clock.Set({2011, 5, 3, 12, 0, 0});
    recording->RecordSleep();

    clock.Set({2011, 5, 4, 7, 0, 20});
    clock.SetTick(90'000'000);  // counts on through the sleep
    StatusUpdate u = display->Wake(WakeNotice::Automatic);
    EXPECT_EQ(Text(u, IDC_START_TIME), "2011/05/04 07:00:20");
    EXPECT_EQ(Text(u, IDC_RUNNING_TIME), "  0分00秒");
    EXPECT_EQ(u.title, "起動後  0分 0秒");
    EXPECT_EQ(Text(u, IDC_SECOND_ROW), "2011/05/03 12:00");
    EXPECT_TRUE(display->Wake(WakeNotice::ByUser).texts.empty()) << "the second notice of the same wake";

    clock.Set({2011, 5, 4, 7, 59, 20});
    EXPECT_EQ(display->Tick().notice, std::nullopt);
    clock.Set({2011, 5, 4, 8, 0, 20});
    EXPECT_EQ(display->Tick().notice, "起動後60分経過しました！");
}

// In the manual method every later start of the day is a restart, timed from the PC's start; a
// daytime sleep must not count as running time, whichever start the button shows.
TEST_F(Display, WakeInTheManualMethodIsTimedFromTheWake) {
    Write(profile, key::Correct, 2);
    Write(profile, key::Sec, 1);
    Started({2011, 5, 3, 8, 15, 0}, "", [this] {
        recording->TakeCorrectedStart({2011, 5, 3, 8, 13, 0});
        StorePcStart(profile, {2011, 5, 3, 8, 13, 0});
    });
    Make();
    clock.Set({2011, 5, 3, 12, 0, 0});
    recording->RecordSleep();
    clock.Set({2011, 5, 3, 13, 0, 0});
    EXPECT_EQ(Text(display->Wake(WakeNotice::Automatic), IDC_START_TIME), "2011/05/03 13:00:00");
    ASSERT_TRUE(recording->Restart());
    clock.Set({2011, 5, 3, 13, 5, 0});
    const StatusUpdate u = display->Tick();
    EXPECT_EQ(Text(u, IDC_RUNNING_TIME), "  5分00秒");
    EXPECT_EQ(u.title, " 5分 0秒 経過");
    EXPECT_EQ(Text(display->ToggleStartTime(), IDC_START_TIME), "2011/05/03 13:00:00") << "the run's own start";
    EXPECT_EQ(Text(display->ToggleStartTime(), IDC_START_TIME), "2011/05/03 13:00:00") << "the PC's start";
}

}  // namespace
