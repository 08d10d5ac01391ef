#include "recorder/settings/SettingsEdit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "TempDir.h"
#include "fakes/FixedClock.h"
#include "fakes/MemoryProfile.h"
#include "recorder/RecorderDlgIds.h"
#include "shared/LogLine.h"
#include "shared/Strings.h"

namespace kestrowa {
namespace {

namespace key = recorder_key;

// A profile that notes every write, in order, as "name=value".
class NotingProfile : public MemoryProfile {
public:
    void WriteInt(std::string_view section, std::string_view name, int value) override {
        writes.push_back(std::string(name) + "=" + std::to_string(value));
        MemoryProfile::WriteInt(section, name, value);
    }
    std::vector<std::string> writes;
};

class NoBootFiles : public FileTimes {
public:
    std::optional<DateTime> LastWriteTime(const std::string&) const override { return std::nullopt; }
};

// A run started at 08:15:40 on 2011/05/03, with the settings dialog opened and confirmed.
class SettingsEditTest : public testing::Test {
protected:
    void Start(const std::string& lastEnd = "") {
        Write(profile, key::LastWindwsEnd, lastEnd);
        recording = std::make_unique<SessionRecording>(clock, profile, SessionLog(dir.File("Kestrofl.dat")));
        recording->RecordStart([this] { correction.Apply(*recording); });
        display = std::make_unique<StatusDisplay>(clock, profile, *recording);
        display->Initial();
        profile.writes.clear();
    }
    SettingsTakeOver Confirm(const std::function<void(RecorderSettings&)>& edit) {
        RecorderSettings edited = OpenSettings(*display, *recording, "C:\\K\\", "").settings;
        edit(edited);
        return TakeEditedSettings(edited, *display, *recording, correction, profile);
    }
    static std::string Text(const StatusUpdate& u, int id) {
        auto it = u.texts.find(id);
        return it == u.texts.end() ? "<unset>" : it->second;
    }

    TempDir dir;
    FixedClock clock{{2011, 5, 3, 8, 15, 40}};
    NotingProfile profile;
    NoBootFiles files;
    BootCorrection correction{clock, profile, files, OsFamily::Nt, "C:"};
    std::unique_ptr<SessionRecording> recording;
    std::unique_ptr<StatusDisplay> display;
};

TEST_F(SettingsEditTest, WritesOnlyTheStoredValuesThatChangedInTheirOrder) {
    Start();
    Confirm([](RecorderSettings&) {});
    EXPECT_TRUE(profile.writes.empty());

    Confirm([](RecorderSettings& s) {
        s.title = TitleItem::StartTime;
        s.secondRow = SecondRowItem::LastEnd;
        s.restartHandling = false;
        s.showLetter = false;
        s.showMark = false;
        s.notice = {true, 90, 30};
    });
    EXPECT_TRUE(profile.writes.empty()) << "nothing of these is stored";

    Confirm([](RecorderSettings& s) {
        s.showMonth = false;
        s.upDown = -1;
        s.showTodayCount = false;
        s.correction = Correction::ThreeMinutes;
        s.interval = 30;
        s.endCommandInStartup = true;
        s.startMethod = StartMethod::StartupFolder;
        s.stopwatch = false;
        s.monthTimeForm = MonthTimeForm::HoursAndMinutes;
    });
    // The correction counts from the shown start of the moment: the run's own since the restart
    // handling was switched off above.
    EXPECT_EQ(profile.writes,
              (std::vector<std::string>{"MonthTimeForm=0", "StopWatch=0", "AptnSet=2", "StartUpIdok=1", "Sec=30",
                                        "Correct=3", "PresentYear=2011", "PresentMonth=5", "PresentDate=3",
                                        "PresentHour=8", "PresentMinute=12", "PresentSecond=40", "DayCountFlag=0",
                                        "LeftRight=0", "UpDown=-1", "ManthiyTime=0"}));
}

TEST_F(SettingsEditTest, EndCommandBarredByTheTrayOrDecidedByStartUpIdok) {
    struct Case {
        const char* name;
        StartMethod runMethod;
        bool restart;
        std::function<void(RecorderSettings&)> edit;
        const char* endButton;
    } cases[] = {
        {"tray chosen bars it at once", StartMethod::Manual, true,
         [](RecorderSettings& s) { s.startMethod = StartMethod::Tray; }, "-----"},
        {"switch on in the Startup method offers it", StartMethod::StartupFolder, false,
         [](RecorderSettings& s) { s.endCommandInStartup = true; }, "終了(OK)"},
        {"switch on with the Startup method chosen now", StartMethod::Manual, false,
         [](RecorderSettings& s) {
             s.startMethod = StartMethod::StartupFolder;
             s.endCommandInStartup = true;
         },
         "終了(OK)"},
        {"switch on in the manual method leaves it barred", StartMethod::Manual, false,
         [](RecorderSettings& s) { s.endCommandInStartup = true; }, "-----"},
        {"switch off after a restart leaves it offered", StartMethod::StartupFolder, true,
         [](RecorderSettings& s) { s.endCommandInStartup = false; }, "終了(OK)"},
        {"leaving the tray does not offer it", StartMethod::Tray, false,
         [](RecorderSettings& s) { s.startMethod = StartMethod::Manual; }, "-----"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(profile, key::AptnSet, c.runMethod);
        Write(profile, key::StartUpIdok, c.restart ? 1 : 0);
        Write(profile, key::LastStart, "");
        Start(c.restart ? "E 2011/05/03 08:10" : "");
        ASSERT_EQ(recording->Restart(), c.restart);
        const SettingsTakeOver taken = Confirm(c.edit);
        EXPECT_EQ(Text(taken.update, IDC_END_BUTTON), c.endButton);
        EXPECT_EQ(recording->EndBarred(), std::string(c.endButton) == "-----");
    }
}

TEST_F(SettingsEditTest, NewCorrectionMovesTheShownStartAndPlacesTheWindow) {
    Start();
    ASSERT_EQ(recording->ShownStartText(), "2011/05/03 08:13:40");
    SettingsTakeOver taken = Confirm([](RecorderSettings& s) { s.correction = Correction::ThreeMinutes; });
    EXPECT_EQ(Text(taken.update, IDC_START_TIME), "2011/05/03 08:10:40");
    EXPECT_TRUE(taken.placeWindow);

    taken = Confirm([](RecorderSettings& s) { s.correction = Correction::None; });
    EXPECT_EQ(Text(taken.update, IDC_START_TIME), "<unset>") << "a fresh start keeps its shown start";
    EXPECT_FALSE(taken.placeWindow);

    taken = Confirm([](RecorderSettings& s) { s.leftRight = 3; });
    EXPECT_TRUE(taken.placeWindow);
}

TEST_F(SettingsEditTest, HiddenItemsAreBlankedAndTheMonthShownInItsNewForm) {
    dir.Write("Kestrofl.dat", CrLf({"S 11/05/02 08:00", "E 11/05/02 09:35"}));
    Start();
    SettingsTakeOver taken = Confirm([](RecorderSettings& s) {
        s.monthTimeForm = MonthTimeForm::HoursAndMinutes;
        s.showLetter = false;
        s.showMark = false;
    });
    EXPECT_EQ(Text(taken.update, IDC_MONTH_TOTAL), "1時間35分");
    EXPECT_EQ(Text(taken.update, IDC_START_MODE), "  ");
    EXPECT_EQ(Text(taken.update, IDC_MARK), "　　　 ");
    EXPECT_EQ(taken.update.blank, std::vector<Rect>{kMarkArea});

    taken = Confirm([](RecorderSettings& s) {
        s.showTodayCount = false;
        s.showMonth = false;
    });
    EXPECT_EQ(Text(taken.update, IDC_DAY_COUNT), kFieldBlank);
    EXPECT_EQ(Text(taken.update, IDC_MONTH_TOTAL), kFieldBlank);
    EXPECT_EQ(Text(taken.update, IDC_MONTH_LABEL), kFieldBlank);
    EXPECT_EQ(taken.update.blank, (std::vector<Rect>{kMarkArea, kTodayCountArea, kMonthArea}));
}

TEST_F(SettingsEditTest, SecondRowAndRestartHandlingAreNamedOnTheirButtons) {
    Write(profile, key::PresentYear, 2011);
    Write(profile, key::PresentMonth, 5);
    Write(profile, key::PresentDate, 3);
    Write(profile, key::PresentHour, 7);
    Start("E 2011/05/03 08:10");  // manual: a restart, timed from the stored PC start
    ASSERT_EQ(recording->ShownStartText(), "2011/05/03 07:00:00");
    SettingsTakeOver taken = Confirm([](RecorderSettings& s) {
        s.secondRow = SecondRowItem::LastEnd;
        s.restartHandling = false;
    });
    EXPECT_EQ(Text(taken.update, IDC_SECOND_ROW_BUTTON), "前回ｱｸｾｽ");
    EXPECT_EQ(Text(taken.update, IDC_START_TIME_BUTTON), "再起動");
    EXPECT_EQ(Text(taken.update, IDC_START_TIME), "2011/05/03 08:15:40");

    taken = Confirm([](RecorderSettings& s) {
        s.secondRow = SecondRowItem::CurrentTime;
        s.restartHandling = true;
    });
    EXPECT_EQ(Text(taken.update, IDC_SECOND_ROW_BUTTON), "現在時刻");
    EXPECT_EQ(Text(taken.update, IDC_START_TIME_BUTTON), "起動時刻");
    EXPECT_EQ(Text(taken.update, IDC_START_TIME), "2011/05/03 07:00:00");
}

// The start-time button leaves a fresh start of the tray or Startup-folder method as it is; the
// dialog switching the restart handling off shows the run's own start all the same.
TEST_F(SettingsEditTest, RestartHandlingSwitchedOffShowsTheRunStartAfterAnyStart) {
    for (StartMethod method : {StartMethod::Tray, StartMethod::StartupFolder}) {
        SCOPED_TRACE(static_cast<int>(method));
        Write(profile, key::AptnSet, method);
        Start();
        ASSERT_FALSE(recording->Restart());
        ASSERT_EQ(recording->ShownStartText(), "2011/05/03 08:13:40");
        const SettingsTakeOver taken = Confirm([](RecorderSettings& s) { s.restartHandling = false; });
        EXPECT_EQ(Text(taken.update, IDC_START_TIME), "2011/05/03 08:15:40");
        EXPECT_EQ(Text(taken.update, IDC_START_TIME_BUTTON), "再起動");
    }
}

// In the tray method StartUpIdok counts as off for the whole run, and the dialog shows it so; the
// stored value is written only when the user changes the check.
TEST_F(SettingsEditTest, TrayMethodShowsTheEndCommandSwitchOff) {
    Write(profile, key::StartUpIdok, 1);
    for (StartMethod method : {StartMethod::Tray, StartMethod::StartupFolder}) {
        SCOPED_TRACE(static_cast<int>(method));
        Write(profile, key::AptnSet, method);
        Start();
        EXPECT_EQ(OpenSettings(*display, *recording, "C:\\K\\", "").settings.endCommandInStartup,
                  method != StartMethod::Tray);
        Confirm([](RecorderSettings&) {});
        EXPECT_TRUE(profile.writes.empty());
    }
}

TEST_F(SettingsEditTest, OpeningMovesAPassedNoticeMarkAndNamesTheLogsShown) {
    Start();
    clock.Set({2011, 5, 3, 9, 55, 40});  // 102 minutes after the shown start of 08:13:40
    display->Refresh();
    SettingsDialogValues values = OpenSettings(*display, *recording, "C:\\K\\", "");
    EXPECT_EQ(values.settings.notice.firstMark, 120);
    EXPECT_EQ(values.runningMinutes, 102);
    EXPECT_FALSE(values.restart);
    EXPECT_EQ(values.logPath, "C:\\K\\Kestrofl.dat");
    EXPECT_EQ(values.currentLog, "C:\\K\\Kestrofl.dat");
    EXPECT_EQ(OpenSettings(*display, *recording, "C:\\K\\", "D:\\mine.dat").currentLog, "D:\\mine.dat");
    // Cancelled: the moved mark stays all the same.
    EXPECT_EQ(display->Settings().notice.firstMark, 120);
}

}  // namespace
}  // namespace kestrowa
