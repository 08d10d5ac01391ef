// The settings dialog created in-process over a value of its own: what its tabs show and what its
// pages hand back.
#include "recorder/settings/RecorderSettingsDlg.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "../../TempDir.h"
#include "RecordingPrompts.h"
#include "SettingsDialogDriver.h"
#include "platform/win/os/Text.h"
#include "recorder/settings/EnvironmentPageIds.h"
#include "recorder/settings/LogFilePageIds.h"
#include "recorder/settings/NoticePageIds.h"
#include "recorder/settings/PositionPageIds.h"
#include "recorder/settings/RecorderSettingsDlgIds.h"
#include "recorder/settings/StartMethodPageIds.h"

namespace kestrowa {
namespace {

class RecorderSettingsDlgTest : public testing::Test {
protected:
    RecorderSettingsDlgTest() {
        values.applicationFolder = dir.Path().string() + "\\";
        values.logPath = values.applicationFolder + "Kestrofl.dat";
        values.currentLog = "D:\\mine.dat";
        values.runningMinutes = 100;
    }
    void Open() {
        dialog = std::make_unique<Modeless<CRecorderSettingsDlg>>(values, prompts, files);
        ASSERT_NE(dialog->Create(nullptr), nullptr);
        ShowWindow(dialog->Hwnd(), SW_SHOW);
    }
    SettingsDialogDriver Driver() const { return SettingsDialogDriver(dialog->Hwnd()); }
    void ChooseTab(int index) const { Driver().ChooseTab(index); }
    HWND Tabs() const { return Driver().Tabs(); }
    HWND Page() const { return Driver().Page(); }
    void Click(int id) const { Driver().Click(id); }
    bool Checked(int id) const { return Driver().Checked(id); }
    std::string PageText(int id) const {
        wchar_t text[300] = {};
        GetDlgItemTextW(Page(), id, text, 300);
        return WideToUtf8(text);
    }
    void SetPageText(int id, const wchar_t* text) const { SetDlgItemTextW(Page(), id, text); }
    // The edit loses the focus: it tells its page.
    void LeaveEdit(int id) const {
        SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(Page(), id)));
    }
    std::string Status() const { return dialog->ItemText(IDC_SETTINGS_STATUS); }

    TempDir dir;
    SettingsDialogValues values;
    RecordingPrompts prompts;
    SystemFileReplacer files;
    std::unique_ptr<Modeless<CRecorderSettingsDlg>> dialog;
};

TEST_F(RecorderSettingsDlgTest, OpensOnTheStartMethodTabWithItsStatusLine) {
    values.settings.startMethod = StartMethod::StartupFolder;
    values.settings.correction = Correction::ToBootTime;
    Open();
    EXPECT_EQ(dialog->Title(), " 環境設定");
    ASSERT_EQ(TabCtrl_GetItemCount(Tabs()), 5);
    EXPECT_EQ(TabCtrl_GetCurSel(Tabs()), 0);
    EXPECT_EQ(Status(), "「ｽﾀｰﾄｱｯﾌﾟで起動」と「パソコンの起動時刻の補正」は次回起動から有効");
    ASSERT_NE(Page(), nullptr);
    EXPECT_TRUE(Checked(IDC_START_STARTUP));
    EXPECT_FALSE(Checked(IDC_START_MANUAL));
    HWND combo = GetDlgItem(Page(), IDC_CORRECTION);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 4);
    EXPECT_TRUE(Checked(IDC_RESTART_HANDLING));
}

TEST_F(RecorderSettingsDlgTest, LogNoteOnTheLogTabStaysOnTheNoticeTab) {
    Open();
    ChooseTab(3);
    EXPECT_EQ(Status(), "ログファイルの変更は｢稼動状況の表示｣ダイアログで行います。");
    EXPECT_EQ(PageText(IDC_LOG_PATH), values.logPath);
    EXPECT_EQ(PageText(IDC_CURRENT_LOG), "D:\\mine.dat");
    ChooseTab(4);
    EXPECT_EQ(Status(), "ログファイルの変更は｢稼動状況の表示｣ダイアログで行います。");
    EXPECT_EQ(PageText(IDC_RUNNING_SO_FAR), "＜起動後 1時：40分経過！＞");
    ChooseTab(2);
    EXPECT_EQ(Status(), std::string(61, ' '));
}

TEST_F(RecorderSettingsDlgTest, PositionButtonsCountByOnePixelAndShowTheSignedValue) {
    values.settings.leftRight = 2;
    Open();
    ChooseTab(2);
    EXPECT_EQ(PageText(IDC_UP_DOWN), "0");
    EXPECT_EQ(PageText(IDC_LEFT_RIGHT), "2");
    for (int i = 0; i < 3; ++i) Click(IDC_DOWN);
    EXPECT_EQ(PageText(IDC_UP_DOWN), "-3");
    Click(IDC_UP);
    EXPECT_EQ(PageText(IDC_UP_DOWN), "-2");
    for (int i = 0; i < 3; ++i) Click(IDC_LEFT);
    EXPECT_EQ(PageText(IDC_LEFT_RIGHT), "-1");
    Click(IDC_RIGHT);
    EXPECT_EQ(PageText(IDC_LEFT_RIGHT), "0");
    EXPECT_EQ(values.settings.upDown, -2);
    EXPECT_EQ(values.settings.leftRight, 0);
}

TEST_F(RecorderSettingsDlgTest, OkHandsOnWhatEachPageHolds) {
    values.settings.interval = 7;  // no radio of its own
    Open();
    Click(IDC_START_TRAY);
    SendMessageW(GetDlgItem(Page(), IDC_CORRECTION), CB_SETCURSEL, 0, 0);
    Click(IDC_RESTART_HANDLING);
    ChooseTab(1);
    for (int id : {IDC_INTERVAL_1, IDC_INTERVAL_2, IDC_INTERVAL_5, IDC_INTERVAL_10, IDC_INTERVAL_30, IDC_INTERVAL_60})
        EXPECT_FALSE(Checked(id)) << id;
    Click(IDC_TITLE_START_TIME);
    Click(IDC_END_IN_STARTUP);
    Click(IDC_INTERVAL_30);
    Click(IDC_SECOND_ROW_LAST_END);
    Click(IDC_MONTH_HOURS_MINUTES);
    for (int id : {IDC_SHOW_TODAY_COUNT, IDC_SHOW_MONTH, IDC_SHOW_LETTER, IDC_SHOW_MARK, IDC_SHOW_STOPWATCH}) Click(id);
    ChooseTab(4);
    Click(IDC_NOTICE_ON);
    SetPageText(IDC_FIRST_MARK, L"130");
    SetPageText(IDC_NOTICE_INTERVAL, L"-4");
    Driver().Press(IDOK);

    const RecorderSettings& s = values.settings;
    EXPECT_EQ(s.startMethod, StartMethod::Tray);
    EXPECT_EQ(s.correction, Correction::None);
    EXPECT_FALSE(s.restartHandling);
    EXPECT_EQ(s.title, TitleItem::StartTime);
    EXPECT_TRUE(s.endCommandInStartup);
    EXPECT_EQ(s.interval, 30);
    EXPECT_EQ(s.secondRow, SecondRowItem::LastEnd);
    EXPECT_EQ(s.monthTimeForm, MonthTimeForm::HoursAndMinutes);
    EXPECT_FALSE(s.showTodayCount || s.showMonth || s.showLetter || s.showMark || s.stopwatch);
    EXPECT_EQ(s.notice, (NoticeSettings{true, 130, -4}));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(RecorderSettingsDlgTest, NoticeNumbersAreTakenWithAWarningWhenTheEditIsLeft) {
    Open();
    ChooseTab(4);
    SetPageText(IDC_FIRST_MARK, L"30");
    LeaveEdit(IDC_FIRST_MARK);
    SetPageText(IDC_NOTICE_INTERVAL, L"0");
    LeaveEdit(IDC_NOTICE_INTERVAL);
    SetPageText(IDC_NOTICE_INTERVAL, L"5");
    LeaveEdit(IDC_NOTICE_INTERVAL);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, "現在の経過時間 01時：40分より大きい値を指定してください");
    EXPECT_EQ(prompts.shown[1].text, "1分より大きな値を指定してください");
    EXPECT_EQ(prompts.shown[1].type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
    EXPECT_EQ(values.settings.notice.firstMark, 30);
    EXPECT_EQ(values.settings.notice.interval, 5);
}

TEST_F(RecorderSettingsDlgTest, MaintenanceRunsOnYesOnlyAndSaysHowItWent) {
    dir.Write("Kestrofl.dat", CrLf({"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 12:05"}));
    Open();
    ChooseTab(3);
    Click(IDC_MAINTAIN_LOG);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "ログファイルを編集しますか？");
    EXPECT_EQ(prompts.shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Kestrofl.bak")));

    prompts.answer = IDYES;
    Click(IDC_MAINTAIN_LOG);
    ASSERT_EQ(prompts.shown.size(), 3u);
    EXPECT_EQ(prompts.shown[2].text, "ログファイルの編集が完了しました。");
    EXPECT_EQ(dir.Read("Kestrofl.dat"), CrLf({"S 11/05/03 08:00", "S 11/05/03 12:05"}));
    EXPECT_EQ(dir.Read("Kestrofl.bak"), CrLf({"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 12:05"}));
}

}  // namespace
}  // namespace kestrowa
