#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "fakes/FixedClock.h"
#include "fakes/MemoryProfile.h"
#include "fakes/ScriptedFileDialogs.h"
#include "platform/win/os/Text.h"
#include "platform/win/ui/AboutDlg.h"
#include "platform/win/ui/Gdi.h"
#include "platform/win/ui/ListView.h"
#include "shared/Strings.h"
#include "viewer/LogEditor.h"
#include "viewer/ViewerDlg.h"
#include "viewer/ViewerDlgIds.h"
#include "viewer/report/Report.h"

using namespace kestrowa;
using namespace kestrowa;

namespace {

// The viewer starts at 10:15 on Wednesday 20 May 2009, with the recorder's session of that
// morning still running.
constexpr DateTime kStart{2009, 5, 20, 10, 15, 0};

const std::string kLog = CrLf({
    "S 09/04/28 09:00", "E 09/04/28 17:30",
    "S 09/05/01 08:00", "E 09/05/01 12:00",
    "S 09/05/01 13:00", "E 09/05/01 18:00",
    "S 09/05/10 23:00", "E 09/05/11 01:30",
    "S 09/05/20 08:00",
});

class NoPrompts : public UserPrompts {
public:
    int ShowMessage(HWND, std::string_view text, std::string_view caption, UINT type) override {
        messages.push_back(std::string(caption) + ": " + std::string(text) + (type & MB_ICONEXCLAMATION ? " (!)" : ""));
        return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    }
    std::vector<std::string> messages;
    void OpenDocument(HWND, const std::string& path) override { opened.push_back(path); }
    std::vector<std::string> opened;
};

struct ProcessStart {
    std::string commandLine;
    WindowPlacementHint placement;
};

class ViewerDlgTest : public ::testing::Test {
protected:
    void SetUp() override { folder_ = dir_.Path().string() + "\\"; }

    // Creates the main window on the folder's log (when `log` is set).
    void Open(const std::string* log = &kLog) {
        if (log) dir_.Write("Kestrofl.dat", *log);
        recorder_.WriteText("System", "AppDir", folder_);
        dialog_ = std::make_unique<Modeless<CViewerDlg>>(ViewerContext{
            clock_, settings_, recorder_, prompts_, fileDialogs_, "C:\\WINDOWS", "C:\\Orvelle\\Orvelle.html",
            [this](const std::string& line, const WindowPlacementHint& placement, HWND) {
                starts_.push_back({line, placement});
                return true;
            }});
        ASSERT_NE(dialog_->Create(nullptr), nullptr);
        list_ = ListView(dialog_->Item(IDC_LIST));
    }

    void Command(int id) {
        SendMessageW(dialog_->Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dialog_->Item(id)));
    }
    // Typing into an edit: the edit tells the dialog of the change itself.
    void Type(int id, const char* text) { dialog_->SetItemText(id, text); }
    std::string Text(int id) const { return dialog_->ItemText(id); }
    bool Checked(int id) const { return IsDlgButtonChecked(dialog_->Hwnd(), id) == BST_CHECKED; }
    std::string MoveTo(POINT at) {
        SendMessageW(dialog_->Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        return dialog_->HelpLine();
    }
    // The middle of a control, in the dialog's client pixels.
    POINT Over(int id) const {
        RECT r{};
        GetWindowRect(dialog_->Item(id), &r);
        POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ScreenToClient(dialog_->Hwnd(), &at);
        return at;
    }
    std::vector<std::string> Headers() const {
        std::vector<std::string> headers;
        for (int c = 0; c < list_.ColumnCount(); ++c) headers.push_back(list_.Header(c));
        return headers;
    }
    std::vector<std::string> Row(int row) const {
        std::vector<std::string> cells;
        for (int c = 0; c < list_.ColumnCount(); ++c) cells.push_back(list_.Cell(row, c));
        return cells;
    }

    TempDir dir_;
    std::string folder_;
    FixedClock clock_{kStart};
    MemoryProfile settings_;
    MemoryProfile recorder_;
    NoPrompts prompts_;
    ScriptedFileDialogs fileDialogs_;
    std::vector<ProcessStart> starts_;
    std::unique_ptr<Modeless<CViewerDlg>> dialog_;
    ListView list_;
};

TEST_F(ViewerDlgTest, OpensOnTodaysMonthWithItsSummaryAndCalendar) {
    Open();
    EXPECT_FALSE(dialog_->WaitWindowOpen());
    EXPECT_EQ(dialog_->Title(), " Orvelle Check  (2009/05/20 10:15 現在)");
    EXPECT_EQ(Text(IDC_YEAR), "2009");
    EXPECT_EQ(Text(IDC_MONTH), "5");
    EXPECT_EQ(Text(IDC_MONTH_CAPTION), "2009年 5月 ");
    EXPECT_EQ(Text(IDC_VIEW_TITLE), "日毎の稼働時間と起動回数        ");
    // 4 + 5 hours on the 1st, 2:30 across midnight on the 10th, and today's running session
    // closed at the viewer's start (135 minutes).
    EXPECT_EQ(Text(IDC_TOTAL), "13:45");
    EXPECT_EQ(Text(IDC_COUNT_LABEL), "起動回数");
    EXPECT_EQ(Text(IDC_COUNT), " 4");
    EXPECT_EQ(Text(IDC_AVERAGE), " 3:26 /回");
    EXPECT_EQ(Text(IDC_UNIT), "(時:分)");
    EXPECT_EQ(Text(IDC_GROUP), " 月別 ");
    EXPECT_TRUE(Checked(IDC_CALENDAR));

    EXPECT_EQ(Headers(), (std::vector<std::string>{" 日 ", " 月 ", " 火 ", " 水 ", " 木 ", " 金 ", " 土 "}));
    EXPECT_GE(list_.ColumnWidth(0), 70);  // the table's width, or more where its texts need it
    // 1 May 2009 is a Friday; the 10th a Sunday; today the 20th, a Wednesday.
    EXPECT_EQ(Row(0), (std::vector<std::string>{"", "", "", "", "", " 1/ 9:00", "      0"}));
    EXPECT_EQ(list_.Cell(2, 0), "10/ 2:30");
    EXPECT_EQ(list_.Cell(3, 3), "    2:15");
    EXPECT_EQ(list_.Cell(3, 4), "     -  ");
    // The 31st lies in a sixth row; below it an empty row, then the starts calendar.
    EXPECT_EQ(list_.Cell(5, 0), "31/  -  ");
    EXPECT_EQ(Row(7), (std::vector<std::string>{"起動回数", "-------", "-------", "-------", "-------", "-------", "-------"}));
    EXPECT_EQ(list_.Cell(8, 5), " 1/   2");
}

// A long log: one session a month from January 1990 and three a day in May 2009 up to today.
std::string LongLog() {
    std::string log;
    for (int m = 0; m < 19 * 12 + 4; ++m) {
        const int year = (90 + m / 12) % 100;
        log += Format("S %02d/%02d/03 09:00\r\nE %02d/%02d/03 17:00\r\n", year, 1 + m % 12, year, 1 + m % 12);
    }
    for (int day = 1; day < 20; ++day)
        for (int hour : {8, 12, 16}) log += Format("S 09/05/%02d %02d:00\r\nE 09/05/%02d %02d:30\r\n", day, hour, day, hour);
    return log;
}

// Each view opened at its end shows its last row whole, whatever the list's row height; every
// heading and cell fits its column in the list's font, and again once the list is given a larger
// font (as when its window moves to a monitor of higher DPI).
TEST_F(ViewerDlgTest, ListsShowTheirLastRowAndWholeTexts) {
    const std::string log = LongLog();
    Open(&log);
    const auto textWidth = [&](const std::string& text) {
        const std::wstring wide = Utf8ToWide(text);
        return static_cast<int>(SendMessageW(list_.Hwnd(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(wide.c_str())));
    };
    const auto expectWholeAndAtEnd = [&](int view) {
        const int last = list_.RowCount() - 1;
        ASSERT_GT(last, 0) << view;
        RECT client{}, row{LVIR_BOUNDS, 0, 0, 0};
        GetClientRect(list_.Hwnd(), &client);
        ASSERT_TRUE(SendMessageW(list_.Hwnd(), LVM_GETITEMRECT, static_cast<WPARAM>(last), reinterpret_cast<LPARAM>(&row)));
        if (view != IDC_CALENDAR) {
            EXPECT_GE(row.top, 0) << view;
            EXPECT_LE(row.bottom, client.bottom) << view;
        }
        // A heading or cell keeps 6 pixels on each side, as the header and the list draw them.
        for (int c = 0; c < list_.ColumnCount(); ++c) {
            int widest = textWidth(list_.Header(c));
            for (int r = 0; r <= last; ++r) widest = std::max(widest, textWidth(list_.Cell(r, c)));
            EXPECT_GE(list_.ColumnWidth(c), widest + 12) << view << " " << list_.Header(c);
        }
    };
    for (int view : {IDC_CALENDAR, IDC_DAILY, IDC_PER_START, IDC_YEAR_MONTH}) {
        Command(view);
        expectWholeAndAtEnd(view);
    }
    const Font larger = MakeFont("ＭＳ Ｐゴシック", -24, FW_NORMAL);
    SendMessageW(list_.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(larger.Get()), TRUE);
    expectWholeAndAtEnd(IDC_YEAR_MONTH);
    SendMessageW(list_.Hwnd(), WM_SETFONT, 0, FALSE);
}

TEST_F(ViewerDlgTest, RadiosSwitchTheViewWithoutChangingTheMonth) {
    Open();
    Command(IDC_DAILY);
    EXPECT_EQ(dialog_->View(), ViewKind::Daily);
    EXPECT_TRUE(Checked(IDC_DAILY));
    EXPECT_FALSE(Checked(IDC_CALENDAR));
    EXPECT_EQ(Text(IDC_VIEW_TITLE), "日毎の起動、終了時刻及び稼働時間等");
    EXPECT_EQ(Headers(), (std::vector<std::string>{" 日 ", "最初の起動時刻", "最後の終了時刻", "稼働時間", "中断時間", "起動数"}));
    EXPECT_EQ(Row(0), (std::vector<std::string>{" 1(金)", "   08:00", "   18:00", "  9:00", "  1:00", "   2"}));
    EXPECT_EQ(list_.RowCount(), 20);  // up to today, the last day with starts

    Command(ID_MENU_PER_START);
    EXPECT_TRUE(Checked(IDC_PER_START));
    EXPECT_EQ(Text(IDC_VIEW_TITLE), "起動毎の開始・終了時刻及び稼働時間");
    EXPECT_EQ(list_.RowCount(), 4);
    EXPECT_EQ(Row(1), (std::vector<std::string>{"No.  2", "              13:00", "              18:00", "  5:00", "  2/ 2"}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"No.  3", "09/05/10 23:00", "09/05/11 01:30", "  2:30", "  1/ 1"}));

    Command(IDC_YEAR_MONTH);
    EXPECT_TRUE(Checked(IDC_YEAR_MONTH));
    EXPECT_EQ(Text(IDC_VIEW_TITLE), "月毎の起動、終了の状況及び起動回数");
    EXPECT_EQ(Text(IDC_TOTAL), "             ");
    // May is the log's last month and is still running: only April is listed.
    ASSERT_EQ(list_.RowCount(), 1);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"09/04", "    8.50", "    8.50", "    1", "   0.35", "    1"}));
    EXPECT_EQ(Text(IDC_AVERAGE), "  8.50 /回");
    EXPECT_EQ(Text(IDC_GROUP).substr(0, 15), "2009年04月～");

    // The same month again: the calendar is built anew after the year-month view.
    Command(IDC_CALENDAR);
    EXPECT_TRUE(Checked(IDC_CALENDAR));
    EXPECT_EQ(list_.Cell(0, 5), " 1/ 9:00");
    EXPECT_EQ(Text(IDC_TOTAL), "13:45");
    EXPECT_EQ(Text(IDC_GROUP), " 月別 ");
}

TEST_F(ViewerDlgTest, AMonthChangeReadsThatMonthAndReturnsToTheCalendar) {
    Open();
    Command(IDC_PER_START);
    Type(IDC_MONTH, "4");
    EXPECT_EQ(dialog_->View(), ViewKind::Calendar);
    EXPECT_TRUE(Checked(IDC_CALENDAR));
    EXPECT_FALSE(Checked(IDC_PER_START));
    EXPECT_EQ(Text(IDC_MONTH_CAPTION), "2009年 4月 ");
    EXPECT_EQ(Text(IDC_TOTAL), "8:30");
    EXPECT_EQ(Text(IDC_COUNT), " 1");
    // A month that is over shows every day, none as "-".
    EXPECT_EQ(Headers().size(), 7u);
    EXPECT_EQ(list_.Cell(4, 2), "    8:30");
    EXPECT_EQ(list_.Cell(4, 3), "      0");
}

TEST_F(ViewerDlgTest, TheMonthSpinWrapsIntoTheYearBeforeAndNotPastToday) {
    Open();
    Type(IDC_MONTH, "1");
    Type(IDC_MONTH, "12");
    EXPECT_EQ(dialog_->ShownYear(), 2008);
    EXPECT_EQ(dialog_->ShownMonth(), 12);
    EXPECT_EQ(Text(IDC_YEAR), "2008");
    EXPECT_EQ(Text(IDC_MONTH_CAPTION), "2008年12月 ");
    EXPECT_EQ(Text(IDC_TOTAL), "0:00");

    // Up from December of last year reaches January of this year; this year stops at May.
    Type(IDC_MONTH, "1");
    EXPECT_EQ(dialog_->ShownYear(), 2009);
    Type(IDC_MONTH, "9");
    EXPECT_EQ(dialog_->ShownMonth(), 5);
    EXPECT_EQ(Text(IDC_MONTH), "   5");
}

TEST_F(ViewerDlgTest, TheSpinsStepTheirEdits) {
    Open();
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(dialog_->Item(IDC_YEAR_SPIN), UDM_GETBUDDY, 0, 0)),
              dialog_->Item(IDC_YEAR));
    // The arrow keys in an edit step its spin, which writes the edit.
    SendMessageW(dialog_->Item(IDC_MONTH), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(dialog_->ShownMonth(), 4);
    EXPECT_EQ(Text(IDC_MONTH_CAPTION), "2009年 4月 ");
    SendMessageW(dialog_->Item(IDC_YEAR), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(dialog_->ShownYear(), 2008);
    EXPECT_EQ(Text(IDC_MONTH_CAPTION), "2008年 4月 ");
}

TEST_F(ViewerDlgTest, YearsAfterThisYearAreBroughtBack) {
    Open();
    int low = 0;
    int high = 0;
    SendMessageW(dialog_->Item(IDC_YEAR_SPIN), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 2001);
    EXPECT_EQ(high, 2009);

    Type(IDC_YEAR, "2015");
    EXPECT_EQ(Text(IDC_YEAR), "2009");
    EXPECT_EQ(dialog_->ShownYear(), 2009);
    EXPECT_EQ(Text(IDC_MONTH_CAPTION), "2009年 5月 ");

    // A year before this one keeps its month; coming back clamps it to this month.
    Type(IDC_MONTH, "4");
    Type(IDC_YEAR, "2,008");
    EXPECT_EQ(Text(IDC_MONTH_CAPTION), "2008年 4月 ");
    Type(IDC_MONTH, "11");
    Type(IDC_YEAR, "2010");
    EXPECT_EQ(Text(IDC_YEAR), "2009");
    EXPECT_EQ(Text(IDC_MONTH), " 5");
    EXPECT_EQ(Text(IDC_MONTH_CAPTION), "2009年 5月 ");

    // Not a number: the shown year stays.
    Type(IDC_YEAR, "abc");
    EXPECT_EQ(dialog_->ShownYear(), 2009);
}

TEST_F(ViewerDlgTest, TheHelpLineNamesWhatThePointerIsOver) {
    Open();
    EXPECT_EQ(MoveTo(Over(IDC_LIST)), "月別：起動・稼動状況、週間の稼動状況(カレンダー形式)");
    Command(IDC_DAILY);
    EXPECT_EQ(MoveTo(Over(IDC_LIST)), "月別：日毎の最初の起動、最終の終了時刻、稼働時間等");
    Command(IDC_YEAR_MONTH);
    EXPECT_EQ(MoveTo(Over(IDC_LIST)), "年月毎の起動・稼動状況");
    EXPECT_EQ(MoveTo(Over(IDC_SETTINGS)), "表示設定ダイアログを開く");
    // Outside every area the line is cleared.
    EXPECT_EQ(MoveTo({1, 1}), "");
    EXPECT_EQ(MoveTo(Over(IDC_YEAR)), "年を切り換える");
    EXPECT_EQ(MoveTo(Over(IDC_PER_START)), "月別：起動毎の開始・終了時刻、稼働時間等を表示");
    EXPECT_EQ(MoveTo(Over(IDC_LOG)), "ログファイルを表示");
    EXPECT_EQ(MoveTo(Over(IDOK)), "ログの表示を中断する");
}

TEST_F(ViewerDlgTest, TheLogOpensInTheEditorAtItsPlace) {
    Open();
    Command(IDC_LOG);
    Command(ID_MENU_LOG);
    ASSERT_EQ(starts_.size(), 2u);
    const std::string log = folder_ + "KESTROFL.DAT";
    const std::string expected =
        "\"C:\\WINDOWS\\NOTEPAD.EXE\" " + (log.find(' ') == std::string::npos ? log : "\"" + log + "\"");
    EXPECT_EQ(starts_[0].commandLine, expected);
    EXPECT_EQ(starts_[0].placement.x, 20);
    EXPECT_EQ(starts_[0].placement.y, 55);
    EXPECT_EQ(starts_[0].placement.width, 691);
    EXPECT_EQ(starts_[0].placement.height, 504);
    EXPECT_EQ(settings_.ReadText("System", "Editor", ""), "C:\\WINDOWS\\NOTEPAD.EXE");

    Command(ID_HELP_INDEX);
    EXPECT_EQ(prompts_.opened, (std::vector<std::string>{"C:\\Orvelle\\Orvelle.html"}));
}

TEST_F(ViewerDlgTest, WithoutALogTheEmptyMonthIsShownAndNothingIsEdited) {
    Open(nullptr);
    EXPECT_FALSE(dialog_->WaitWindowOpen());
    EXPECT_EQ(Text(IDC_MONTH_CAPTION), "2009年 5月 ");
    EXPECT_EQ(Text(IDC_TOTAL), "0:00");
    EXPECT_EQ(Text(IDC_COUNT), " 0");
    EXPECT_EQ(list_.Cell(0, 5), " 1/   0");
    EXPECT_EQ(list_.Cell(3, 4), "     -  ");
    Command(IDC_LOG);
    EXPECT_TRUE(starts_.empty());
}

TEST_F(ViewerDlgTest, ASecondLogIsNamedInTheTitleAndShownWithoutTheRunningSession) {
    dir_.Write("other.dat", kLog);
    settings_.WriteText("System", "SecondLog", folder_ + "other.dat");
    Open();
    EXPECT_EQ(dialog_->Title(), "Orvelle Check (" + folder_ + "other.dat)");
    EXPECT_EQ(Text(IDC_TOTAL), "11:30");
    EXPECT_EQ(Text(IDC_COUNT), " 3");
    EXPECT_EQ(list_.Cell(3, 3), "      0");
    // The log button opens the log shown.
    Command(IDC_LOG);
    ASSERT_EQ(starts_.size(), 1u);
    EXPECT_EQ(starts_[0].commandLine, EditorCommandLine("C:\\WINDOWS\\NOTEPAD.EXE", folder_ + "other.dat"));
}

TEST_F(ViewerDlgTest, ADeviceAsTheSecondLogIsALogThatCannotBeOpened) {
    // Read as a log, the serial port never ends and the main window never shows.
    settings_.WriteText("System", "SecondLog", "COM1");
    Open();
    EXPECT_EQ(dialog_->Title(), "Orvelle Check (COM1)");
    EXPECT_EQ(Text(IDC_TOTAL), "0:00");
    Command(IDC_LOG);
    EXPECT_TRUE(starts_.empty());
}

std::string MenuText(HMENU menu, UINT id) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, id, text, 128, MF_BYCOMMAND);
    return WideToUtf8(text);
}

TEST_F(ViewerDlgTest, MenusOfferTheCommandsInTheirOrder) {
    Open();
    EXPECT_EQ(MenuText(GetSystemMenu(dialog_->Hwnd(), FALSE), kAboutMenuId), "ﾊﾞｰｼﾞｮﾝ情報(Orvelle) (&A)...");

    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MENU_VIEWER));
    ASSERT_NE(menu, nullptr);
    HMENU popup = GetSubMenu(menu, 0);
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) ids.push_back(GetMenuItemID(popup, i));
    // A separator has id 0.
    EXPECT_EQ(ids, (std::vector<UINT>{32772, 32773, 32774, 32775, 32779, 32776, 32780, 0, 32777, 32778, 0, 32771,
                                      57670, 57664, 0, 57665}));
    EXPECT_EQ(MenuText(popup, ID_MENU_LOG), "ログファイル一覧...");
    EXPECT_EQ(MenuText(popup, ID_APP_EXIT), "ログの表示を中断する(&X)");
    DestroyMenu(menu);
}

// The list shows exactly the cells that orvelle-report prints for the same log and moment.
TEST_F(ViewerDlgTest, ListCellsAreTheReportsCells) {
    Open();
    const struct {
        ViewKind view;
        int radio;
    } views[] = {{ViewKind::Calendar, IDC_CALENDAR},
                 {ViewKind::Daily, IDC_DAILY},
                 {ViewKind::PerStart, IDC_PER_START},
                 {ViewKind::YearMonth, IDC_YEAR_MONTH}};
    for (const auto& v : views) {
        SCOPED_TRACE(v.radio);
        Command(v.radio);
        ReportRequest request;
        request.log = folder_ + "Kestrofl.dat";
        request.year = 2009;
        request.month = 5;
        request.view = v.view;
        request.now = kStart;
        auto records = BuildReport(request, kStart);
        ASSERT_TRUE(records.has_value());
        // Summary fields first, each as its name and text, then an empty record.
        const std::pair<const char*, int> fields[] = {{"caption", IDC_MONTH_CAPTION}, {"title", IDC_VIEW_TITLE},
                                                      {"total", IDC_TOTAL},           {"count-label", IDC_COUNT_LABEL},
                                                      {"count", IDC_COUNT},
                                                      {"average", IDC_AVERAGE},       {"unit", IDC_UNIT},
                                                      {"group", IDC_GROUP}};
        size_t first = 0;
        while (first < records->size() && !(*records)[first].empty()) ++first;
        for (const auto& [name, id] : fields) {
            bool found = false;
            for (size_t i = 0; i < first; ++i)
                if ((*records)[i].size() == 2 && (*records)[i][0] == name) {
                    EXPECT_EQ(Text(id), (*records)[i][1]) << name;
                    found = true;
                }
            EXPECT_TRUE(found) << name;
        }
        ASSERT_LT(first + 1, records->size());
        EXPECT_EQ(Headers(), (*records)[first + 1]);
        const size_t rows = records->size() - first - 2;
        ASSERT_EQ(static_cast<size_t>(list_.RowCount()), rows);
        for (size_t r = 0; r < rows; ++r) EXPECT_EQ(Row(static_cast<int>(r)), (*records)[first + 2 + r]) << "row " << r;
    }
}

std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return "(clipboard busy)";
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = WideToUtf8(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void PutClipboardText(const wchar_t* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// Ctrl held down for this thread's keyboard state while the scope lasts.
class ControlKeyDown {
public:
    ControlKeyDown() { SetControl(0x80); }
    ~ControlKeyDown() { SetControl(0); }

private:
    static void SetControl(BYTE state) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = state;
        SetKeyboardState(keys);
    }
};

TEST_F(ViewerDlgTest, CtrlCCopiesTheListShownAsTabSeparatedLines) {
    Open();
    Command(IDC_DAILY);
    PutClipboardText(L"before");
    // C alone copies nothing.
    SendMessageW(list_.Hwnd(), WM_KEYDOWN, 'C', 0);
    EXPECT_EQ(ClipboardText(), "before");
    {
        ControlKeyDown control;
        SendMessageW(list_.Hwnd(), WM_KEYDOWN, 'C', 0);
    }
    std::string expected = " 日 \t最初の起動時刻\t最後の終了時刻\t稼働時間\t中断時間\t起動数\r\n";
    for (int r = 0; r < list_.RowCount(); ++r) {
        const std::vector<std::string> cells = Row(r);
        for (size_t c = 0; c < cells.size(); ++c) expected += (c ? "\t" : "") + cells[c];
        expected += "\r\n";
    }
    EXPECT_EQ(ClipboardText(), expected);
    EXPECT_NE(expected.find("\r\n 1(金)\t   08:00\t   18:00\t  9:00\t  1:00\t   2\r\n"), std::string::npos);
}

TEST_F(ViewerDlgTest, TheListsContextMenuCopiesToo) {
    Open();
    Command(IDC_PER_START);
    PutClipboardText(L"before");
    // The menu is answered as a user would: down to its one item, then Enter.
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!menu) return;
        KillTimer(nullptr, id);
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    });
    SendMessageW(list_.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list_.Hwnd()), MAKELPARAM(-1, -1));
    const std::string copied = ClipboardText();
    EXPECT_EQ(copied.substr(0, copied.find("\r\n")), "No.\t起動時刻\t終了時刻\t稼働時間\t 回 ");
    EXPECT_NE(copied.find("No.  3\t09/05/10 23:00\t09/05/11 01:30\t  2:30\t  1/ 1\r\n"), std::string::npos);
}

// What the user does in the display settings dialog once it is up, run by a timer of the
// thread while the dialog's modal loop waits.
std::function<void(HWND)> settingsAnswer;

void AnswerSettingsWith(std::function<void(HWND)> answer) {
    settingsAnswer = std::move(answer);
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND settings = FindWindowW(L"#32770", L" 表示設定");
        if (!settings || !IsWindowVisible(settings)) return;
        KillTimer(nullptr, id);
        settingsAnswer(settings);
    });
}

TEST_F(ViewerDlgTest, TheSettingsButtonAppliesTheChosenTimeFormatAtOnce) {
    Open();
    Command(IDC_DAILY);
    AnswerSettingsWith([](HWND settings) {
        // The dialog opens on ファイル; 表示項目 is the page that holds 時（10進法 **.**）.
        SendDlgItemMessageW(settings, 1044, TCM_SETCURFOCUS, 0, 0);
        HWND decimal = nullptr;
        for (HWND page = nullptr; !decimal && (page = FindWindowExW(settings, page, L"#32770", nullptr));)
            decimal = GetDlgItem(page, 1031);
        SendMessageW(decimal, BM_CLICK, 0, 0);
        PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Command(IDC_SETTINGS);
    EXPECT_EQ(Text(IDC_TOTAL), "13.75");
    EXPECT_EQ(Text(IDC_UNIT), "(*.*時間)");
    EXPECT_EQ(dialog_->View(), ViewKind::Daily);
    EXPECT_EQ(Row(0), (std::vector<std::string>{" 1(金)", "   08:00", "   18:00", "   9.00", "   1.00", "   2"}));
    EXPECT_EQ(settings_.ReadInt("System", "TimeMode", -1), 1);
    EXPECT_EQ(settings_.ReadText("System", "SecondLog", "-"), "");
    EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(ViewerDlgTest, ALostSecondLogIsReportedAfterCancelAndTheOwnLogShown) {
    dir_.Write("other.dat", kLog);
    settings_.WriteText("System", "SecondLog", folder_ + "other.dat");
    Open();
    EXPECT_EQ(Text(IDC_TOTAL), "11:30");
    std::filesystem::remove(dir_.Path() / "other.dat");
    AnswerSettingsWith([](HWND settings) { PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
    Command(ID_MENU_SETTINGS);
    EXPECT_EQ(prompts_.messages,
              std::vector<std::string>{"Orvelle: ログファイル " + folder_ + "other.dat が見つかりません！ (!)"});
    EXPECT_EQ(dialog_->Title(), " Orvelle Check  (2009/05/20 10:15 現在)");
    EXPECT_EQ(settings_.ReadText("System", "SecondLog", "-"), "");
    EXPECT_EQ(Text(IDC_TOTAL), "13:45");
}

// Under Wine the System log cannot be read: the menu item says so and offers an export; the
// history made from the one chosen is shown as a further log, on the month of its last session.
TEST_F(ViewerDlgTest, TheEventHistoryIsMadeFromAnExportWhereTheLogCannotBeRead) {
    const char* event = "<Event xmlns='http://schemas.microsoft.com/win/2004/08/events/event'><System>"
                        "<Provider Name='Microsoft-Windows-Kernel-General'/><EventID>%d</EventID>"
                        "<TimeCreated SystemTime='%s'/></System></Event>\r\n";
    dir_.Write("events.xml", Format(event, 12, "2009-04-10T23:30:00.0000000Z") +
                                 Format(event, 13, "2009-04-11T03:45:00.0000000Z"));
    fileDialogs_.answers = {folder_ + "events.xml"};
    Open();
    Command(ID_MENU_EVENT_HISTORY);
    const std::string history = folder_ + "EventHistory.dat";
    EXPECT_EQ(prompts_.messages,
              (std::vector<std::string>{
                  std::string("Orvelle: ") + kEventLogUnreadableQuestion + " (!)",
                  "Orvelle: イベント 2 件から 1 回の稼働（2009/04/11 ～ 2009/04/11）を見つけ、\n" + history +
                      " に書き込みました。"}));
    EXPECT_EQ(dir_.Read("EventHistory.dat"), CrLf({"S 09/04/11 08:30", "E 09/04/11 12:45"}));
    EXPECT_EQ(dir_.Read("Kestrofl.dat"), kLog);
    EXPECT_EQ(settings_.ReadText("System", "SubFile2", ""), history);
    EXPECT_EQ(settings_.ReadText("System", "SecondLog", ""), history);
    EXPECT_EQ(dialog_->Title(), "Orvelle Check (" + history + ")");
    EXPECT_EQ(Text(IDC_MONTH_CAPTION), "2009年 4月 ");
    EXPECT_EQ(Text(IDC_TOTAL), "4:15");
}

}  // namespace
