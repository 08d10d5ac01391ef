#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes/ScriptedFileDialogs.h"
#include "platform/win/os/Text.h"
#include "viewer/settings/DisplaySettingsDlg.h"
#include "viewer/settings/DisplaySettingsDlgIds.h"

using namespace kestrowa;
using namespace kestrowa;

namespace {

DisplaySettingsValues Values(int tab) {
    DisplaySettingsValues v;
    v.tab = tab;
    v.files.editor = "C:\\WINDOWS\\NOTEPAD.EXE";
    v.files.furtherLogs[0] = "d:\\logs\\a.dat";
    v.files.furtherLogs[1] = "d:\\logs\\b.dat";
    v.files.selectedIndex = 2;
    v.recorderFolder = "C:\\Kestrowa\\";
    return v;
}

class DisplaySettingsDlgTest : public ::testing::Test {
protected:
    void Open(const DisplaySettingsValues& values) {
        dialog_ = std::make_unique<Modeless<CDisplaySettingsDlg>>(values, fileDialogs_, [this](HWND owner) {
            historyOwners_.push_back(owner);
            return history_;
        });
        ASSERT_NE(dialog_->Create(nullptr), nullptr);
        ShowWindow(dialog_->Hwnd(), SW_SHOW);
    }
    HWND Items() const { return dialog_->ItemsPage().Hwnd(); }
    HWND Files() const { return dialog_->FilePage().Hwnd(); }
    HWND Tabs() const { return dialog_->Item(IDC_SETTINGS_TABS); }
    // A click on a tab: the tab control tells the dialog of the tab left and of the one chosen.
    void ChooseTab(int index) { SendMessageW(Tabs(), TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0); }
    void Click(HWND page, int id) { SendMessageW(GetDlgItem(page, id), BM_CLICK, 0, 0); }
    bool Checked(HWND page, int id) const { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
    std::string Text(HWND page, int id) const {
        wchar_t text[512] = {};
        GetDlgItemTextW(page, id, text, 512);
        return WideToUtf8(text);
    }
    std::vector<std::string> LogItems() const {
        std::vector<std::string> items;
        HWND list = GetDlgItem(Files(), IDC_LOG_LIST);
        const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[512] = {};
            SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.push_back(WideToUtf8(text));
        }
        return items;
    }
    int LogSelection() const { return static_cast<int>(SendDlgItemMessageW(Files(), IDC_LOG_LIST, CB_GETCURSEL, 0, 0)); }
    // The user picks an item from the drop-down list.
    void PickLog(int index) {
        HWND list = GetDlgItem(Files(), IDC_LOG_LIST);
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(Files(), WM_COMMAND, MAKEWPARAM(IDC_LOG_LIST, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }
    const DisplaySettingsValues& Ok() {
        SendMessageW(dialog_->Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(dialog_->Confirmed().has_value());
        return *dialog_->Confirmed();
    }

    ScriptedFileDialogs fileDialogs_;
    std::optional<std::string> history_;  // what the history button's action answers
    std::vector<HWND> historyOwners_;
    std::unique_ptr<Modeless<CDisplaySettingsDlg>> dialog_;
};

}  // namespace

TEST_F(DisplaySettingsDlgTest, OpensOnTheStoredTab) {
    for (int tab : {0, 1}) {
        SCOPED_TRACE(tab);
        Open(Values(tab));
        EXPECT_EQ(dialog_->Title(), " 表示設定");
        EXPECT_EQ(TabCtrl_GetItemCount(Tabs()), 2);
        EXPECT_EQ(TabCtrl_GetCurSel(Tabs()), tab);
        EXPECT_EQ(IsWindowVisible(Items()) != FALSE, tab == 0);
        EXPECT_EQ(IsWindowVisible(Files()) != FALSE, tab == 1);
        EXPECT_EQ(GetParent(Items()), dialog_->Hwnd());
    }
    wchar_t text[32] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    TabCtrl_GetItem(Tabs(), 1, &item);
    EXPECT_EQ(WideToUtf8(text), "ファイル");
}

TEST_F(DisplaySettingsDlgTest, SwitchingTabsShowsOnePageAndIsHandedBack) {
    Open(Values(1));
    ChooseTab(0);
    EXPECT_TRUE(IsWindowVisible(Items()));
    EXPECT_FALSE(IsWindowVisible(Files()));
    ChooseTab(1);
    ChooseTab(0);
    EXPECT_EQ(Ok().tab, 0);
}

TEST_F(DisplaySettingsDlgTest, EachClickSetsItsValue) {
    struct Case {
        int id;
        int DisplayItems::*value;
        int before, after;
    } cases[] = {
        {IDC_TIME_DECIMAL, &DisplayItems::timeMode, 0, 1},
        {IDC_TIME_HOURS_MINUTES, &DisplayItems::timeMode, 1, 0},
        {IDC_SUMMARY_DAYS, &DisplayItems::monthLabel, 0, 1},
        {IDC_SUMMARY_STARTS, &DisplayItems::monthLabel, 1, 0},
        {IDC_CALENDAR_EVERY_DAY, &DisplayItems::calendarDates, 1, 0},
        {IDC_CALENDAR_SUNDAYS, &DisplayItems::calendarDates, 0, 1},
        {IDC_ACTIVITY_EVERY_START, &DisplayItems::activityDates, 1, 0},
        {IDC_ACTIVITY_FIRST_START, &DisplayItems::activityDates, 0, 1},
        {IDC_WEEK_RECORD, &DisplayItems::weekRecord, 1, 0},
        {IDC_HUNDRED_MARK, &DisplayItems::hundredMark, 0, 1},
        // A value other than 0 shows unchecked; the click checks the box, yet the value flips to 0.
        {IDC_HUNDRED_MARK, &DisplayItems::hundredMark, 7, 0},
        {IDC_LAST_MONTHLY, &DisplayItems::dailyViewAtEnd, 1, 0},
        {IDC_LAST_ACTIVITY, &DisplayItems::perStartViewAtEnd, 0, 1},
        {IDC_LAST_YEAR_MONTH, &DisplayItems::yearMonthViewAtEnd, 1, 0},
        {IDC_LAST_PERIOD, &DisplayItems::periodViewAtEnd, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        DisplaySettingsValues values = Values(0);
        values.items.*c.value = c.before;
        Open(values);
        Click(Items(), c.id);
        const DisplayItems expected = [&] {
            DisplayItems items = values.items;
            items.*c.value = c.after;
            return items;
        }();
        const DisplayItems got = Ok().items;
        for (int DisplayItems::*each :
             {&DisplayItems::timeMode, &DisplayItems::monthLabel, &DisplayItems::calendarDates, &DisplayItems::weekRecord,
              &DisplayItems::activityDates, &DisplayItems::hundredMark, &DisplayItems::dailyViewAtEnd,
              &DisplayItems::perStartViewAtEnd, &DisplayItems::yearMonthViewAtEnd, &DisplayItems::periodViewAtEnd})
            EXPECT_EQ(got.*each, expected.*each);
    }
}

TEST_F(DisplaySettingsDlgTest, TheLogListAndItsSelection) {
    Open(Values(1));
    EXPECT_EQ(LogItems(), (std::vector<std::string>{"C:\\Kestrowa\\KESTROFL.DAT", "***.***", "d:\\logs\\a.dat",
                                                    "d:\\logs\\b.dat"}));
    EXPECT_EQ(LogSelection(), 2);
    EXPECT_EQ(Text(Files(), IDC_EDITOR), "C:\\WINDOWS\\NOTEPAD.EXE");
    PickLog(3);
    const FileChoices& chosen = Ok().files;
    EXPECT_EQ(chosen.selectedIndex, 3);
    EXPECT_EQ(chosen.selectedLog, "d:\\logs\\b.dat");

    // Unchanged, the log handed in stays chosen; the own log is chosen by its marker.
    Open(Values(1));
    EXPECT_EQ(Ok().files.selectedLog, "");
    Open(Values(1));
    PickLog(0);
    EXPECT_EQ(Ok().files.selectedLog, "999");
}

TEST_F(DisplaySettingsDlgTest, BrowseButtonsAskForTheirFilesAndShowTheAnswers) {
    fileDialogs_.answers = {"C:\\Tools\\EDIT.EXE", "", "E:\\Meas\\MEASONTM.LOG", "E:\\Logs\\June.DAT"};
    Open(Values(1));
    Click(Files(), IDC_EDITOR_BROWSE);
    Click(Files(), IDC_EDITOR_BROWSE);  // cancelled: the edit keeps the path chosen
    EXPECT_EQ(Text(Files(), IDC_EDITOR), "c:\\tools\\edit.exe");
    Click(Files(), IDC_OUTSIDE_BROWSE);
    EXPECT_EQ(Text(Files(), IDC_OUTSIDE_FOLDER), "E:\\Meas\\");
    Click(Files(), IDC_LOG_BROWSE);
    EXPECT_EQ(LogItems().back(), "e:\\logs\\june.dat");
    EXPECT_EQ(LogSelection(), 4);
    std::vector<std::string> extensions;
    for (const FileOpenRequest& request : fileDialogs_.asked) extensions.push_back(request.defaultExtension);
    EXPECT_EQ(extensions, (std::vector<std::string>{"exe", "exe", "log", "dat"}));
    EXPECT_EQ(Ok().files.selectedLog, "e:\\logs\\june.dat");
}

TEST_F(DisplaySettingsDlgTest, TypedPathsAreTakenOnOkAndCancelHandsBackNothing) {
    Open(Values(1));
    SetDlgItemTextW(Files(), IDC_EDITOR, L"D:\\エディタ\\ed.exe");
    SetDlgItemTextW(Files(), IDC_OUTSIDE_FOLDER, L"E:\\Meas");
    const FileChoices& chosen = Ok().files;
    EXPECT_EQ(chosen.editor, "D:\\エディタ\\ed.exe");
    EXPECT_EQ(chosen.logFile, "E:\\Meas\\");

    fileDialogs_.answers = {"E:\\Logs\\June.DAT"};
    Open(Values(1));
    Click(Files(), IDC_LOG_BROWSE);
    SendMessageW(dialog_->Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(dialog_->Confirmed().has_value());
    EXPECT_EQ(dialog_->Hwnd(), nullptr);
}

// The button beside 参照 makes the history with the dialog as the owner of its questions, and
// selects the history written in the list.
TEST_F(DisplaySettingsDlgTest, TheEventButtonSelectsTheHistoryWritten) {
    Open(Values(1));
    Click(Files(), IDC_LOG_HISTORY);
    EXPECT_EQ(LogItems().size(), 4u);
    history_ = "C:\\Kestrowa\\EventHistory.dat";
    Click(Files(), IDC_LOG_HISTORY);
    EXPECT_EQ(historyOwners_, (std::vector<HWND>{dialog_->Hwnd(), dialog_->Hwnd()}));
    EXPECT_EQ(LogItems().back(), "C:\\Kestrowa\\EventHistory.dat");
    EXPECT_EQ(LogSelection(), 4);
    EXPECT_EQ(Ok().files.selectedLog, "C:\\Kestrowa\\EventHistory.dat");
}
