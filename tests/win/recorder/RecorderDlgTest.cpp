#include "recorder/RecorderDlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "../../TempDir.h"
#include "RecordingPrompts.h"
#include "SettingsDialogDriver.h"
#include "fakes/FixedClock.h"
#include "fakes/MemoryFileReplacer.h"
#include "fakes/MemoryProfile.h"
#include "fakes/MemoryShell.h"
#include "fakes/StartupFolderFake.h"
#include "platform/win/os/Text.h"
#include "recorder/RecorderDlgIds.h"
#include "recorder/settings/EnvironmentPageIds.h"
#include "recorder/settings/NoticePageIds.h"
#include "recorder/settings/StartMethodPageIds.h"
#include "recorder/settings/StartupShortcut.h"
#include "shared/RecorderSettings.h"

namespace kestrowa {
namespace {

class NoBootFiles : public FileTimes {
public:
    std::optional<DateTime> LastWriteTime(const std::string&) const override { return std::nullopt; }
};

class RecorderDlgTest : public testing::Test {
protected:
    // 2011/05/03 08:15:40, a tick count of 100 seconds.
    FixedClock clock{DateTime{2011, 5, 3, 8, 15, 40}, 100000};
    MemoryProfile profile;
    RecordingPrompts prompts;
    NoBootFiles fileTimes;
    MemoryShell shell = [] {
        MemoryShell startup;
        startup.startupFolder = "C:\\Startup\\";
        return startup;
    }();
    StartupFolderFake startupFolder{shell};
    MemoryFileReplacer files;
    TempDir dir;
    std::unique_ptr<Modeless<CRecorderDlg>> dialog;

    std::string Folder() const { return dir.Path().string() + "\\"; }

    void Start() {
        RecorderSystem system{"C:", OsFamily::Nt, Folder(), dir.File("ORVELLE.INI")};
        dialog = std::make_unique<Modeless<CRecorderDlg>>(
            RecorderContext{clock, profile, prompts, fileTimes, shell, startupFolder, files, system});
        ASSERT_NE(dialog->Create(nullptr), nullptr);
    }
    std::string Text(int id) const { return dialog->ItemText(id); }
    void Command(int id) const { SendMessageW(dialog->Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Ticks(int count) const {
        for (int i = 0; i < count; ++i) SendMessageW(dialog->Hwnd(), WM_TIMER, 1, 0);
    }
    // Opens the settings dialog from the 設定 button; once it shows, `work` does what a user would
    // and the dialog is ended with `button` (IDOK or IDCANCEL). Returns when the button's handler
    // has run.
    void EditSettings(std::function<void(const SettingsDialogDriver&)> work, int button) {
        static std::function<bool()> tick;
        tick = [work = std::move(work), button] {
            HWND found = SettingsDialogDriver::Find();
            if (!found) return false;
            const SettingsDialogDriver driver(found);
            work(driver);
            driver.Press(button);
            return true;
        };
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
            if (tick && tick()) tick = nullptr;
        });
        Command(IDC_SETTINGS);
        KillTimer(nullptr, timer);
    }
    std::string OwnShortcut() const { return "C:\\Startup\\" + std::string(kShortcutFileName); }
    void Write(TextSetting key, const char* value) { kestrowa::Write(profile, key, value); }
    void Write(IntSetting key, int value) { kestrowa::Write(profile, key, value); }
    void Write(IntSetting key, StartMethod value) { kestrowa::Write(profile, key, value); }
};

TEST_F(RecorderDlgTest, FreshStartShowsCorrectedStartCountAndStartTitle) {
    dir.Write("ORVELLE.INI", CrLf({"[System]", "SecondLog=D:\\old.dat", "TabNo=3"}));
    Start();

    // Default correction: two minutes before the start.
    EXPECT_EQ(Text(IDC_START_TIME), "2011/05/03 08:13:40");
    EXPECT_EQ(dialog->Title(), "起動5月3日08:13");
    EXPECT_EQ(Text(IDC_DAY_COUNT), " 1回目の起動");
    EXPECT_EQ(Text(IDC_START_MODE), "M");
    EXPECT_EQ(Text(IDC_SECOND_ROW), "計測中");
    EXPECT_EQ(Text(IDC_MONTH_LABEL), " 今月稼動");
    EXPECT_EQ(Text(IDC_MONTH_COUNT), "  0回");
    EXPECT_EQ(Text(IDC_MONTH_TOTAL), "0.00時間");
    // Manual method, first start of the day, ending not allowed at start-up.
    EXPECT_EQ(Text(IDOK), "-----");

    EXPECT_EQ(dir.Read("Kestrofl.dat"), CrLf({"S 11/05/03 08:13"}));
    EXPECT_EQ(Read(profile, recorder_key::LastStart), "S 2011/05/03 08:15");
    EXPECT_EQ(Read(profile, recorder_key::AppDir), Folder());
    EXPECT_EQ(Read(profile, recorder_key::WinDrive), "C:");
    EXPECT_EQ(dir.Read("ORVELLE.INI"), CrLf({"[System]", "SecondLog=", "TabNo=1"}));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(IsIconic(dialog->Hwnd()));
}

TEST_F(RecorderDlgTest, RestartShowsStoredPcStartAndElapsedTitle) {
    dir.Write("Kestrofl.dat", CrLf({"S 11/05/03 07:58"}));
    Write(recorder_key::AptnSet, StartMethod::StartupFolder);
    Write(recorder_key::LastWindwsEnd, "E 2011/05/03 08:05");
    Write(recorder_key::LastStart, "S 2011/05/03 08:00");
    Write(recorder_key::DayCount, 1);
    for (auto [key, value] : {std::pair{recorder_key::PresentYear, 2011}, {recorder_key::PresentMonth, 5},
                              {recorder_key::PresentDate, 3}, {recorder_key::PresentHour, 7},
                              {recorder_key::PresentMinute, 58}, {recorder_key::PresentSecond, 10}})
        Write(key, value);
    Write(recorder_key::Sec, 1);
    Start();

    EXPECT_EQ(Text(IDC_START_TIME), "2011/05/03 07:58:10");
    EXPECT_EQ(Text(IDC_DAY_COUNT), " 2回目の起動");
    EXPECT_EQ(Text(IDC_START_MODE), "M");
    EXPECT_EQ(dir.Read("Kestrofl.dat"), CrLf({"S 11/05/03 07:58", "E 11/05/03 08:05", "S 11/05/03 08:15"}));

    Ticks(1);
    EXPECT_EQ(Text(IDC_RUNNING_TIME), " 17分30秒");
    EXPECT_EQ(dialog->Title(), "17分30秒 経過");
}

TEST_F(RecorderDlgTest, TicksBlinkTheMarkAndRefreshEveryInterval) {
    Start();
    Ticks(1);
    EXPECT_EQ(Text(IDC_MARK), "*****");
    Ticks(1);
    EXPECT_EQ(Text(IDC_MARK), "*");
    Ticks(2);
    EXPECT_EQ(Text(IDC_RUNNING_TIME), "2時00分15秒");  // the template text until the first refresh

    clock.Set(DateTime{2011, 5, 3, 9, 20, 45});
    Ticks(1);
    EXPECT_EQ(Text(IDC_RUNNING_TIME), "1時07分05秒");
    EXPECT_EQ(Text(IDC_SECOND_ROW), "2011/05/03 09:20:45");
    EXPECT_EQ(dialog->Title(), "起動後  1時 7分 5秒");

    // The next day the running time goes on counting past 24 hours.
    clock.Set(DateTime{2011, 5, 4, 9, 13, 41});
    Ticks(5);
    EXPECT_EQ(Text(IDC_RUNNING_TIME), "25時00分01秒");
}

TEST_F(RecorderDlgTest, HeartbeatComesWithEveryThirtiethTick) {
    Start();
    clock.Set(DateTime{2011, 5, 3, 8, 16, 10});
    Ticks(29);
    EXPECT_EQ(Read(profile, recorder_key::LastWindwsEnd), "");
    Ticks(1);
    EXPECT_EQ(Read(profile, recorder_key::LastWindwsEnd), "E 2011/05/03 08:16");
}

TEST_F(RecorderDlgTest, BarredEndButtonAndEscapeLeaveTheWindowOpen) {
    Start();
    ASSERT_EQ(Text(IDOK), "-----");
    Command(IDOK);
    Command(IDCANCEL);
    EXPECT_TRUE(IsWindow(dialog->Hwnd()));
    EXPECT_EQ(dir.Read("Kestrofl.dat"), CrLf({"S 11/05/03 08:13"}));
}

TEST_F(RecorderDlgTest, EndButtonEndsTheRunWithItsEndLine) {
    Write(recorder_key::AptnSet, StartMethod::StartupFolder);
    Write(recorder_key::StartUpIdok, 1);
    Start();
    ASSERT_EQ(Text(IDOK), "終了(OK)");
    clock.Set(DateTime{2011, 5, 3, 17, 45, 5});
    HWND window = dialog->Hwnd();
    Command(IDOK);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dir.Read("Kestrofl.dat"), CrLf({"S 11/05/03 08:13", "E 11/05/03 17:45"}));
    EXPECT_EQ(Read(profile, recorder_key::LastWindwsEnd), "E 2011/05/03 17:45");
}

TEST_F(RecorderDlgTest, EscapeEndsTheRunWhenEndingIsAllowed) {
    Write(recorder_key::AptnSet, StartMethod::StartupFolder);
    Write(recorder_key::StartUpIdok, 1);
    Start();
    clock.Set(DateTime{2011, 5, 3, 12, 0, 0});
    HWND window = dialog->Hwnd();
    Command(IDCANCEL);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dir.Read("Kestrofl.dat"), CrLf({"S 11/05/03 08:13", "E 11/05/03 12:00"}));
}

TEST_F(RecorderDlgTest, DestroyedWindowWritesTheEndLine) {
    Start();
    clock.Set(DateTime{2011, 5, 3, 9, 0, 0});
    dialog.reset();
    EXPECT_EQ(dir.Read("Kestrofl.dat"), CrLf({"S 11/05/03 08:13", "E 11/05/03 09:00"}));
}

TEST_F(RecorderDlgTest, SecondRowButtonSwitchesBetweenLastEndAndNow) {
    Write(recorder_key::LastWindwsEnd, "E 2011/05/02 17:45");
    Start();
    Command(IDC_SECOND_ROW_BUTTON);
    EXPECT_EQ(Text(IDC_SECOND_ROW), "2011/05/02 17:45");
    clock.Set(DateTime{2011, 5, 3, 8, 30, 0});
    Command(IDC_SECOND_ROW_BUTTON);
    EXPECT_EQ(Text(IDC_SECOND_ROW), "2011/05/03 08:30:00");
}

TEST_F(RecorderDlgTest, StartTimeButtonShowsTheRunStartInManualMode) {
    Write(recorder_key::PresentYear, 2011);
    Start();
    Command(IDC_START_TIME_BUTTON);
    EXPECT_EQ(Text(IDC_START_TIME), "2011/05/03 08:15:40");
    EXPECT_EQ(Text(IDC_RUNNING_TIME), "  0分00秒");
}

TEST_F(RecorderDlgTest, TrayMethodStaysHiddenUntilTheTrayIconIsClicked) {
    Write(recorder_key::AptnSet, StartMethod::Tray);
    Write(recorder_key::StartUpIdok, 1);
    Start();
    EXPECT_EQ(Text(IDOK), "-----");
    EXPECT_EQ(Text(IDC_START_MODE), "S");
    EXPECT_FALSE(IsWindowVisible(dialog->Hwnd()));

    SendMessageW(dialog->Hwnd(), 0x8064, 2, WM_LBUTTONDOWN);
    SendMessageW(dialog->Hwnd(), 0x8064, 1, WM_RBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(dialog->Hwnd()));
    SendMessageW(dialog->Hwnd(), 0x8064, 1, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(dialog->Hwnd()));

    Command(IDC_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(dialog->Hwnd()));
}

TEST_F(RecorderDlgTest, MovedFolderIsRegisteredAgainOnlyOnYes) {
    Write(recorder_key::AppDir, "C:\\Old\\");
    prompts.answer = IDNO;
    Start();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Kestrowa");
    EXPECT_EQ(prompts.shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(Read(profile, recorder_key::AppDir), "C:\\Old\\");

    dialog.reset();
    prompts.answer = IDYES;
    Start();
    EXPECT_EQ(Read(profile, recorder_key::AppDir), Folder());
}

TEST_F(RecorderDlgTest, ViewerStartFailsSilentlyAndReadsTheViewersLogBack) {
    Start();
    dir.Write("ORVELLE.INI", CrLf({"[System]", "SecondLog=D:\\other.dat"}));
    Command(IDC_VIEWER);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(dialog->ViewerLog(), "D:\\other.dat");
    EXPECT_TRUE(IsWindowEnabled(dialog->Hwnd()));
}

TEST_F(RecorderDlgTest, WhileTheViewerRunsTheTimerGoesOnAndTheWindowTakesNoInput) {
    Start();
    std::filesystem::create_directories(dir.Path() / "Orvelle");
    std::wstring standIn = L"Z:" + Utf8ToWide(VIEWER_STAND_IN);
    std::replace(standIn.begin(), standIn.end(), L'/', L'\\');
    ASSERT_TRUE(CopyFileW(standIn.c_str(), Utf8ToWide(dir.File("Orvelle\\ORVELLE.EXE")).c_str(), FALSE));

    // The stand-in runs until the file "seen" is beside it: once the window was seen disabled
    // and timer 1 ticked twice.
    struct Watch {
        const CRecorderDlg* recorder;
        const TempDir* dir;
        bool disabledSeen = false;
    };
    static Watch watch;
    watch = {dialog.get(), &dir, false};
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR, DWORD) {
        if (!IsWindowEnabled(watch.recorder->Hwnd())) watch.disabledSeen = true;
        if (watch.disabledSeen && watch.recorder->Recording().Ticks() >= 2) watch.dir->Write("Orvelle\\seen", "");
    });
    Command(IDC_VIEWER);
    KillTimer(nullptr, timer);

    EXPECT_TRUE(watch.disabledSeen);
    EXPECT_TRUE(IsWindowEnabled(dialog->Hwnd()));
    // Timer 1 ticked on (once a second) while the viewer ran.
    EXPECT_GE(dialog->Recording().Ticks(), 2);
}

TEST_F(RecorderDlgTest, ViewerIsNotStartedWithoutALog) {
    Start();
    std::filesystem::remove(dir.Path() / "Kestrofl.dat");
    Command(ID_MENU_VIEWER);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "「稼動状況の表示」は次回より有効となります。");
    EXPECT_EQ(prompts.shown[0].type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
}

TEST_F(RecorderDlgTest, HelpOpensThePageBesideTheProgram) {
    Start();
    Command(IDC_HELP_BUTTON);
    EXPECT_EQ(prompts.documents, std::vector<std::string>{Folder() + "Kestrowa.html"});
}

TEST_F(RecorderDlgTest, StopwatchShowsItsLineWhileRunningAndTheResult) {
    Start();
    Command(IDC_STOPWATCH_BUTTON);
    EXPECT_EQ(Text(IDC_STOPWATCH_LINE), std::string(17, ' ') + "<計測中>" + std::string(31, ' '));
    clock.Set(AddSeconds(clock.Now(), 42));
    Command(IDC_STOPWATCH_BUTTON);
    EXPECT_EQ(Text(IDC_STOPWATCH_LINE), "               <ｽﾄｯﾌﾟｳｫｯﾁ>    42.00秒");
}

TEST_F(RecorderDlgTest, StopwatchSwitchedOffIsAnUndrawnButtonThatShowsNoLine) {
    Write(recorder_key::StopWatch, 0);
    Start();
    // Still there for a later switch-on, owner-drawn with nothing to draw it with.
    const LONG_PTR style = GetWindowLongPtrW(dialog->Item(IDC_STOPWATCH_BUTTON), GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_NE(style & WS_VISIBLE, 0);
    Command(IDC_STOPWATCH_BUTTON);
    clock.Set(AddSeconds(clock.Now(), 42));
    Command(IDC_STOPWATCH_BUTTON);
    EXPECT_EQ(Text(IDC_STOPWATCH_LINE), "");
}

TEST_F(RecorderDlgTest, MouseMoveRefreshesAtOnce) {
    Start();
    clock.Set(DateTime{2011, 5, 3, 8, 20, 0});
    SendMessageW(dialog->Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(210, 10));
    EXPECT_EQ(Text(IDC_SECOND_ROW), "2011/05/03 08:20:00");
    EXPECT_EQ(Text(IDC_RUNNING_TIME), "  6分20秒");
}

// The hint areas follow the dialog's font as it came out here (Wine's replacement fonts are not
// the ones the areas were laid out for): the middle of each button shows that button's hint.
TEST_F(RecorderDlgTest, ThePointerOverEachButtonShowsItsHint) {
    Start();
    ShowWindow(dialog->Hwnd(), SW_RESTORE);
    auto moveTo = [this](POINT at) {
        SendMessageW(dialog->Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        return dialog->Hint();
    };
    const struct {
        int id;
        const char* hint;
    } buttons[] = {
        {IDC_MINIMIZE, "最小化(タスクバーで表示)"},
        {IDC_VERSION, "バージョン情報を表示する"},
        {IDC_HELP_BUTTON, "ヘルプファイルを開く"},
        {IDC_SETTINGS, "「環境設定」ﾀﾞｲｱﾛｸﾞを開く"},
        {IDC_VIEWER, "「稼動状況の表示」ﾀﾞｲｱﾛｸﾞを開く"},
        {IDOK, "本アプリケーションを終了する"},
    };
    for (const auto& button : buttons) {
        RECT r{};
        GetWindowRect(dialog->Item(button.id), &r);
        POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ScreenToClient(dialog->Hwnd(), &middle);
        EXPECT_EQ(moveTo(middle), button.hint) << button.id << " at " << middle.x << "," << middle.y;
    }
    EXPECT_EQ(moveTo({1, 1}), "");
}

TEST_F(RecorderDlgTest, SystemMenuCarriesTheAboutItem) {
    Start();
    wchar_t text[100] = {};
    GetMenuStringW(GetSystemMenu(dialog->Hwnd(), FALSE), 16, text, 100, MF_BYCOMMAND);
    EXPECT_EQ(WideToUtf8(text), "ﾊﾞｰｼﾞｮﾝ情報(Kestrowa) (&A)...");
}

TEST_F(RecorderDlgTest, SystemMenuLosesMoreEntriesWhenEndingIsBarredFromTheStart) {
    auto ids = [this] {
        std::vector<UINT> found;
        HMENU menu = GetSystemMenu(dialog->Hwnd(), FALSE);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) found.push_back(GetMenuItemID(menu, i));
        return found;
    };
    // Restore, Move, Size, Minimize, Maximize, -, Close (Wine adds entries of its own after
    // them), then the appended -, about.
    Start();
    std::vector<UINT> allowed = ids();
    ASSERT_GE(allowed.size(), 5u);
    EXPECT_EQ(std::vector<UINT>(allowed.begin(), allowed.begin() + 3), (std::vector<UINT>{SC_SIZE, 0, SC_CLOSE}));
    EXPECT_EQ(std::vector<UINT>(allowed.end() - 2, allowed.end()), (std::vector<UINT>{0, 16}));
    dialog.reset();
    Write(recorder_key::AptnSet, StartMethod::Tray);
    Start();
    std::vector<UINT> barred = ids();
    ASSERT_GE(barred.size(), 4u);
    EXPECT_EQ(std::vector<UINT>(barred.begin(), barred.begin() + 2), (std::vector<UINT>{SC_MINIMIZE, 0}));
    EXPECT_EQ(std::count(barred.begin(), barred.end(), static_cast<UINT>(SC_CLOSE)), 0);
    EXPECT_EQ(std::vector<UINT>(barred.end() - 2, barred.end()), (std::vector<UINT>{0, 16}));
}

TEST(RecorderMenus, ContextMenusHoldTheirCommandsInOrder) {
    struct Item {
        UINT id;
        const char* text;
    };
    const std::vector<Item> shared = {{32773, "稼動状況の表示..."}, {32772, "環境設定..."}, {0, ""},
                                      {32771, "最小化(タスクバーで表示)"}, {57670, "ﾍﾙﾌﾟ(&H)"},
                                      {57664, "ﾊﾞｰｼﾞｮﾝ情報(Kestrowa) (&A)..."}};
    std::vector<Item> full = shared;
    full.push_back({0, ""});
    full.push_back({57665, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"});
    for (auto [menuId, expected] : {std::pair{IDR_MENU_FULL, full}, {IDR_MENU_TRAY, shared}}) {
        SCOPED_TRACE(menuId);
        HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId));
        ASSERT_NE(menu, nullptr);
        HMENU popup = GetSubMenu(menu, 0);
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i) {
            wchar_t text[100] = {};
            GetMenuStringW(popup, static_cast<UINT>(i), text, 100, MF_BYPOSITION);
            EXPECT_EQ(GetMenuItemID(popup, static_cast<int>(i)), expected[i].id);
            EXPECT_EQ(WideToUtf8(text), expected[i].text);
        }
        DestroyMenu(menu);
    }
}

// What the about box showed, read by a thread timer while the box runs its modal loop.
std::string g_aboutTitle;
std::string g_aboutLine;

void CALLBACK AnswerAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    for (; box; box = FindWindowExW(nullptr, box, L"#32770", nullptr))
        if (!GetDlgItem(box, IDC_START_TIME)) break;
    if (!box) return;
    KillTimer(nullptr, timer);
    wchar_t text[100] = {};
    GetWindowTextW(box, text, 100);
    g_aboutTitle = WideToUtf8(text);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        GetWindowTextW(child, text, 100);
        if (std::wstring_view(name) == L"Static" && text[0]) g_aboutLine = WideToUtf8(text);
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(RecorderDlgTest, AboutBoxShowsTitleAndVersion) {
    Start();
    SetTimer(nullptr, 0, 100, AnswerAboutBox);
    Command(IDC_VERSION);
    EXPECT_EQ(g_aboutTitle, "ﾊﾞｰｼﾞｮﾝ情報 (Kestrowa)");
    EXPECT_EQ(g_aboutLine, "ケストロワ   Version 1.20");
}

TEST_F(RecorderDlgTest, SettingsOkAppliesAtOnceAndCancelTakesNothingOver) {
    Start();
    EditSettings(
        [](const SettingsDialogDriver& settings) {
            settings.ChooseTab(1);
            settings.Click(IDC_INTERVAL_30);
            settings.Click(IDC_SHOW_TODAY_COUNT);
        },
        IDOK);
    EXPECT_EQ(Read(profile, recorder_key::Sec), 30);
    EXPECT_EQ(Read(profile, recorder_key::DayCountFlag), 0);
    EXPECT_EQ(Text(IDC_DAY_COUNT), "            ");
    EXPECT_EQ(Text(IDC_MARK), "　　　 ");
    // The next refresh comes after 30 ticks, the first of them counted already.
    Ticks(4);
    EXPECT_EQ(Text(IDC_RUNNING_TIME), "2時00分15秒");
    Ticks(26);
    EXPECT_EQ(Text(IDC_RUNNING_TIME), "  2分00秒");

    EditSettings(
        [](const SettingsDialogDriver& settings) {
            settings.Click(IDC_START_TRAY);
            settings.ChooseTab(1);
            settings.Click(IDC_INTERVAL_10);
        },
        IDCANCEL);
    EXPECT_EQ(Read(profile, recorder_key::Sec), 30);
    EXPECT_EQ(Read(profile, recorder_key::AptnSet), 0);
    EXPECT_TRUE(shell.links.empty());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(RecorderDlgTest, SwitchingToTheTrayMakesTheShortcutAndBarsTheEndAtOnce) {
    Write(recorder_key::StartUpIdok, 1);
    Start();
    ASSERT_EQ(Text(IDOK), "終了(OK)");
    EditSettings([](const SettingsDialogDriver& settings) { settings.Click(IDC_START_TRAY); }, IDOK);

    EXPECT_EQ(Text(IDOK), "-----");
    EXPECT_EQ(Read(profile, recorder_key::AptnSet), 1);
    EXPECT_EQ(Read(profile, recorder_key::ShortCut), 1);
    EXPECT_EQ(shell.links, (std::map<std::string, std::string>{{OwnShortcut(), Folder() + "KESTROWA.EXE"}}));
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, "スタートアップに\nショートカットを登録します！");
    EXPECT_EQ(prompts.shown[1].text, "スタートアップに\nショートカットを登録しました！");
    EXPECT_EQ(prompts.shown[1].type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
    // The window now goes to the tray: the minimize button hides it, ending stays barred.
    Command(IDC_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(dialog->Hwnd()));
    Command(IDOK);
    EXPECT_NE(dialog->Hwnd(), nullptr);
}

TEST_F(RecorderDlgTest, CancelInTheTrayMethodStillMakesTheMissingShortcut) {
    Write(recorder_key::AptnSet, StartMethod::Tray);
    Start();
    EditSettings([](const SettingsDialogDriver&) {}, IDCANCEL);
    EXPECT_EQ(shell.links.count(OwnShortcut()), 1u);
    EXPECT_EQ(Read(profile, recorder_key::ShortCut), 1);
    // Made once: the next time there is nothing to do.
    prompts.shown.clear();
    EditSettings([](const SettingsDialogDriver&) {}, IDCANCEL);
    EXPECT_TRUE(prompts.shown.empty());
}

// The notice box is modal and the timer ticks on under it: a notice falling due meanwhile opens no
// second box over the first.
TEST_F(RecorderDlgTest, ANoticeDueWhileOneIsOpenOpensNoSecondBox) {
    Start();
    EditSettings(
        [](const SettingsDialogDriver& settings) {
            settings.ChooseTab(4);
            if (!settings.Checked(IDC_NOTICE_ON)) settings.Click(IDC_NOTICE_ON);
            SetDlgItemTextW(settings.Page(), IDC_FIRST_MARK, L"1");
            SetDlgItemTextW(settings.Page(), IDC_NOTICE_INTERVAL, L"1");
        },
        IDOK);
    prompts.shown.clear();
    // The figures, the notice with them, are refreshed once in a display interval of ticks.
    auto ticksUntilABox = [this] {
        for (int i = 0; i < 120 && prompts.shown.empty(); ++i) Ticks(1);
    };
    int boxesOpen = 0;
    prompts.whileShown = [&] {
        if (boxesOpen++ > 0) return;
        clock.Set(DateTime{2011, 5, 3, 8, 25, 0});
        Ticks(120);
    };
    clock.Set(DateTime{2011, 5, 3, 8, 20, 0});
    ticksUntilABox();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, kNoticeCaption);
}

TEST_F(RecorderDlgTest, BackToManualOffersOnlyTheRecordersShortcutsAndDeletesThemOnYes) {
    Write(recorder_key::AptnSet, StartMethod::Tray);
    Write(recorder_key::ShortCut, 1);
    shell.links = {{OwnShortcut(), Folder() + "KESTROWA.EXE"}, {"C:\\Startup\\Mailer.lnk", "C:\\Mail\\mailer.exe"}};
    Start();
    prompts.answer = IDYES;
    EditSettings([](const SettingsDialogDriver& settings) { settings.Click(IDC_START_MANUAL); }, IDOK);

    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, RemoveShortcutQuestion(kShortcutFileName));
    EXPECT_EQ(prompts.shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(shell.links,
              (std::map<std::string, std::string>{{"C:\\Startup\\Mailer.lnk", "C:\\Mail\\mailer.exe"}}));
    EXPECT_EQ(Read(profile, recorder_key::ShortCut), 0);
    EXPECT_EQ(Read(profile, recorder_key::AptnSet), 0);
    // Ending stays barred for this run; the window now minimizes instead of hiding.
    EXPECT_EQ(Text(IDOK), "-----");
    Command(IDC_MINIMIZE);
    EXPECT_TRUE(IsIconic(dialog->Hwnd()));
}

}  // namespace
}  // namespace kestrowa
