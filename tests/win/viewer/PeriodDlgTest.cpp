#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "fakes/FixedClock.h"
#include "fakes/MemoryProfile.h"
#include "fakes/ScriptedFileDialogs.h"
#include "platform/FileDialog.h"
#include "platform/win/os/Text.h"
#include "platform/win/ui/ListView.h"
#include "viewer/ViewerDlg.h"
#include "viewer/ViewerDlgIds.h"
#include "viewer/analysis/PeriodDlg.h"
#include "viewer/analysis/PeriodDlgIds.h"
#include "viewer/report/Report.h"

using namespace kestrowa;
using namespace kestrowa;

namespace {

const std::string kLog = CrLf({"S 09/04/12 08:00", "E 09/04/12 12:30", "S 09/04/12 13:00", "E 09/04/12 15:00",
                               "S 09/04/14 09:00", "E 09/04/14 10:00", "S 09/05/02 09:00", "E 09/05/02 11:00",
                               "S 09/06/10 08:00", "E 09/06/10 08:45"});

const PeriodTexts kDaily = {"2009", "4", "12", "2009", "4", "14"};
const PeriodTexts kMonthly = {"2009", "4", "", "2009", "6", ""};
constexpr int kEdits[6] = {IDC_PERIOD_START_YEAR, IDC_PERIOD_START_MONTH, IDC_PERIOD_START_DAY,
                           IDC_PERIOD_LAST_YEAR,  IDC_PERIOD_LAST_MONTH,  IDC_PERIOD_LAST_DAY};

struct Shown {
    std::string text;
    std::string caption;
    UINT type = 0;
};

class RecordingPrompts : public UserPrompts {
public:
    int ShowMessage(HWND, std::string_view text, std::string_view caption, UINT type) override {
        shown.push_back({std::string(text), std::string(caption), type});
        return IDOK;
    }
    void OpenDocument(HWND, const std::string&) override {}
    std::vector<Shown> shown;
};

class PeriodDlgTest : public ::testing::Test {
protected:
    void SetUp() override { dir_.Write("Kestrofl.dat", kLog); }

    void Remember(const PeriodTexts& daily, const PeriodTexts& monthly) {
        WriteRememberedPeriods(settings_, {daily, monthly});
    }

    void Open(int timeMode = 0) {
        dialog_ = std::make_unique<Modeless<CPeriodDlg>>(
            PeriodContext{settings_, prompts_, dir_.File("Kestrofl.dat"), timeMode, 1});
        ASSERT_NE(dialog_->Create(nullptr), nullptr);
        list_ = ListView(dialog_->Item(IDC_PERIOD_LIST));
    }

    void Command(int id) {
        SendMessageW(dialog_->Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dialog_->Item(id)));
    }
    std::string Text(int id) const { return dialog_->ItemText(id); }
    PeriodTexts Edits() const {
        PeriodTexts texts;
        for (size_t f = 0; f < 6; ++f) texts[f] = Text(kEdits[f]);
        return texts;
    }
    void Type(const PeriodTexts& texts) {
        for (size_t f = 0; f < 6; ++f) dialog_->SetItemText(kEdits[f], texts[f]);
    }
    bool Checked(int id) const { return IsDlgButtonChecked(dialog_->Hwnd(), id) == BST_CHECKED; }

    TempDir dir_;
    MemoryProfile settings_;
    RecordingPrompts prompts_;
    std::unique_ptr<Modeless<CPeriodDlg>> dialog_;
    ListView list_;
};

TEST_F(PeriodDlgTest, TheFirstOpeningFillsInTheLogsFirstDateAndAsksForTheRest) {
    Open();
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, "期間の年月日が入力されていません！");
    EXPECT_EQ(prompts_.shown[0].caption, "Orvelle");
    EXPECT_EQ(prompts_.shown[0].type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
    EXPECT_EQ(Edits(), (PeriodTexts{"2009", "4", "12", "", "", ""}));
    EXPECT_TRUE(Checked(IDC_PERIOD_DAILY));
    EXPECT_EQ(Text(IDC_PERIOD_ROWS_LABEL), "日数");
    EXPECT_EQ(Text(IDC_PERIOD_LIMIT), "（日毎の期間は最長370日です）");
    EXPECT_EQ(list_.ColumnCount(), 0);
}

// The cells and boxes themselves are compared with the report's below.
TEST_F(PeriodDlgTest, TheFirstRecountShowsTheRememberedDailyPeriod) {
    Remember(kDaily, kMonthly);
    Open();
    EXPECT_TRUE(prompts_.shown.empty());
    EXPECT_TRUE(Checked(IDC_PERIOD_DAILY));
    EXPECT_EQ(Edits(), kDaily);
    EXPECT_EQ(Text(IDC_PERIOD_LENGTH), "(  3日間)");
    EXPECT_GE(list_.ColumnWidth(0), 54);  // the table's width, or more where its texts need it
    EXPECT_EQ(list_.RowCount(), 2);
    EXPECT_EQ(Text(IDC_PERIOD_PER_START), " 2:30 h/回");
}

TEST_F(PeriodDlgTest, SwitchingKindsDiscardsWhatWasTyped) {
    Remember(kDaily, kMonthly);
    Open();
    Type({"2009", "5", "1", "2009", "6", "30"});
    Command(IDC_PERIOD_MONTHLY);
    EXPECT_TRUE(Checked(IDC_PERIOD_MONTHLY));
    EXPECT_FALSE(Checked(IDC_PERIOD_DAILY));
    EXPECT_EQ(Edits(), kMonthly);
    EXPECT_EQ(Text(IDC_PERIOD_ROWS_LABEL), "月数");
    EXPECT_EQ(Text(IDC_PERIOD_LIMIT), "（月毎の期間は最長120ヶ月です）");
    EXPECT_EQ(Text(IDC_PERIOD_LENGTH), "(  3ヶ月)");
    EXPECT_EQ(list_.Header(0), "年/月");
    EXPECT_EQ(list_.RowCount(), 3);

    Type({"2009", "5", "", "2009", "5", ""});
    Command(IDC_PERIOD_DAILY);
    EXPECT_TRUE(Checked(IDC_PERIOD_DAILY));
    EXPECT_EQ(Edits(), kDaily);
    EXPECT_EQ(list_.Header(0), "月/日");
    EXPECT_EQ(list_.RowCount(), 2);
}

TEST_F(PeriodDlgTest, ARefusedPeriodKeepsTheTable) {
    Remember(kDaily, kMonthly);
    Open();
    Type({"2009", "4", "12", "2010", "5", "1"});
    Command(IDC_PERIOD_RECOUNT);
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, "期間が370日を超えています！");
    EXPECT_EQ(Text(IDC_PERIOD_LENGTH), std::string(11, ' '));
    EXPECT_EQ(list_.RowCount(), 2);
    EXPECT_EQ(Text(IDC_PERIOD_TOTAL), " 7:30");

    // A last date before the start is moved after it and counted.
    Type({"2009", "4", "20", "2009", "4", "5"});
    Command(IDC_PERIOD_RECOUNT);
    EXPECT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(Edits(), (PeriodTexts{"2009", "4", "20", "2009", "5", "5"}));
    ASSERT_EQ(list_.RowCount(), 1);
    EXPECT_EQ(list_.Cell(0, 0), "05/02");
}

TEST_F(PeriodDlgTest, OkWritesThePeriodsOfTheLastCountsCancelWritesNothing) {
    Open();
    Type({"2009", "4", "12", "2009", "5", "2"});
    Command(IDC_PERIOD_RECOUNT);
    const HWND first = dialog_->Hwnd();
    Command(IDCANCEL);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(settings_.Has("Period", "StartYearDay"));
    EXPECT_FALSE(settings_.Has("Period", "LastMonthMth"));

    Open();
    Type({"2009", "4", "12", "2009", "5", "2"});
    Command(IDC_PERIOD_RECOUNT);
    Command(IDC_PERIOD_MONTHLY);
    Type({"2009", "5", "", "2009", "6", ""});
    Command(IDC_PERIOD_RECOUNT);
    // Typed after the last count: not what is kept.
    Type({"2009", "1", "", "2009", "2", ""});
    const HWND second = dialog_->Hwnd();
    Command(IDOK);
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(ReadRememberedPeriods(settings_).daily, (PeriodTexts{"2009", "4", "12", "2009", "5", "2"}));
    EXPECT_EQ(ReadRememberedPeriods(settings_).monthly, (PeriodTexts{"2009", "5", "", "2009", "6", ""}));
}

// The list and the boxes show exactly what orvelle-report prints for the same log and period.
TEST_F(PeriodDlgTest, TheListShowsTheReportsCells) {
    Remember({"2009", "4", "12", "2009", "6", "10"}, kMonthly);
    Open(1);
    for (const auto& [radio, view, from, to] :
         {std::tuple{IDC_PERIOD_DAILY, "period-days", "2009/04/12", "2009/06/10"},
          std::tuple{IDC_PERIOD_MONTHLY, "period-months", "2009/04", "2009/06"}}) {
        SCOPED_TRACE(view);
        Command(radio);
        std::string out, err;
        ASSERT_EQ(RunReport({"--log", dir_.File("Kestrofl.dat"), "--view", view, "--from", from, "--to", to, "--time",
                             "decimal"},
                            {}, out, err),
                  0)
            << err;
        std::vector<std::vector<std::string>> records;
        for (size_t at = 0, end; (end = out.find('\n', at)) != std::string::npos; at = end + 1) {
            std::vector<std::string>& cells = records.emplace_back();
            const std::string line = out.substr(at, end - at);
            for (size_t cell = 0;;) {
                const size_t tab = line.find('\t', cell);
                cells.push_back(line.substr(cell, tab - cell));
                if (tab == std::string::npos) break;
                cell = tab + 1;
            }
        }
        const bool daily = radio == IDC_PERIOD_DAILY;
        const PeriodTexts edits = Edits();
        const std::string shownFrom = edits[0] + "/" + edits[1] + (daily ? "/" + edits[2] : "");
        const std::string shownTo = edits[3] + "/" + edits[4] + (daily ? "/" + edits[5] : "");
        const std::vector<std::vector<std::string>> summary = {
            {"from", shownFrom},
            {"to", shownTo},
            {"length", Text(IDC_PERIOD_LENGTH)},
            {"total", Text(IDC_PERIOD_TOTAL)},
            {"rows", Text(IDC_PERIOD_ROWS)},
            {"starts", Text(IDC_PERIOD_STARTS)},
            {"per-row", Text(IDC_PERIOD_PER_ROW)},
            {"per-start", Text(IDC_PERIOD_PER_START)},
            {""},
        };
        ASSERT_GT(records.size(), summary.size());
        for (size_t i = 0; i < summary.size(); ++i) EXPECT_EQ(records[i], summary[i]);
        std::vector<std::string> headers;
        for (int c = 0; c < list_.ColumnCount(); ++c) headers.push_back(list_.Header(c));
        EXPECT_EQ(records[summary.size()], headers);
        const size_t first = summary.size() + 1;
        ASSERT_EQ(static_cast<size_t>(list_.RowCount()), records.size() - first);
        for (int r = 0; r < list_.RowCount(); ++r) {
            std::vector<std::string> cells;
            for (int c = 0; c < list_.ColumnCount(); ++c) cells.push_back(list_.Cell(r, c));
            EXPECT_EQ(cells, records[first + static_cast<size_t>(r)]) << "row " << r;
        }
    }
}

// What the period view showed when the main window opened it, read by a thread timer while the
// view runs its modal loop, which the timer then ends.
std::string g_periodTitle;
std::string g_periodStartYear;

void CALLBACK AnswerPeriodView(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND view = FindWindowW(L"#32770", nullptr);
    while (view && !GetDlgItem(view, IDC_PERIOD_LIST)) view = FindWindowExW(nullptr, view, L"#32770", nullptr);
    if (!view) return;
    KillTimer(nullptr, timer);
    wchar_t text[32] = {};
    GetWindowTextW(view, text, 32);
    g_periodTitle = WideToUtf8(text);
    GetDlgItemTextW(view, IDC_PERIOD_START_YEAR, text, 32);
    g_periodStartYear = WideToUtf8(text);
    PostMessageW(view, WM_COMMAND, IDCANCEL, 0);
}

TEST(PeriodFromTheMainWindow, ThePeriodButtonAndMenuItemOpenTheView) {
    TempDir dir;
    dir.Write("Kestrofl.dat", kLog);
    FixedClock clock({2009, 6, 20, 10, 15, 0});
    MemoryProfile settings;
    MemoryProfile recorder;
    recorder.WriteText("System", "AppDir", dir.Path().string() + "\\");
    RecordingPrompts prompts;
    ScriptedFileDialogs fileDialogs;
    Modeless<CViewerDlg> viewer(ViewerContext{clock, settings, recorder, prompts, fileDialogs, "C:\\WINDOWS", "",
                                              [](const std::string&, const WindowPlacementHint&, HWND) { return true; }});
    ASSERT_NE(viewer.Create(nullptr), nullptr);
    for (int id : {IDC_PERIOD, ID_MENU_PERIOD}) {
        g_periodTitle.clear();
        g_periodStartYear.clear();
        SetTimer(nullptr, 0, 100, AnswerPeriodView);
        SendMessageW(viewer.Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        EXPECT_EQ(g_periodTitle, "　 設定期間の稼動状況") << id;
        EXPECT_EQ(g_periodStartYear, "2009") << id;
        EXPECT_TRUE(IsWindowEnabled(viewer.Hwnd()));
    }
    // Closed with Cancel: nothing was kept.
    EXPECT_FALSE(settings.Has("Period", "StartYearDay"));
}

}  // namespace
