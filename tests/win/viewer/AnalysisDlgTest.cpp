#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "fakes/FixedClock.h"
#include "fakes/MemoryProfile.h"
#include "fakes/ScriptedFileDialogs.h"
#include "platform/FileDialog.h"
#include "platform/win/os/Text.h"
#include "platform/win/ui/DrawListReplay.h"
#include "platform/win/ui/Gdi.h"
#include "viewer/ViewerDlg.h"
#include "viewer/ViewerDlgIds.h"
#include "viewer/analysis/GraphCanvas.h"
#include "viewer/analysis/TrendGraphDlg.h"
#include "viewer/analysis/TrendGraphDlgIds.h"
#include "viewer/report/Report.h"

using namespace kestrowa;
using namespace kestrowa;

namespace {

// The viewer starts at 10:15 on Wednesday 20 May 2009, with that morning's session running.
constexpr DateTime kStart{2009, 5, 20, 10, 15, 0};

const std::string kLog = CrLf({"S 09/03/02 09:00", "E 09/03/02 19:00", "S 09/04/28 09:00", "E 09/04/28 17:30",
                               "S 09/05/01 08:00", "E 09/05/01 12:00", "S 09/05/10 23:00", "E 09/05/11 01:30",
                               "S 09/05/20 08:00"});

class NoPrompts : public UserPrompts {
public:
    int ShowMessage(HWND, std::string_view, std::string_view, UINT) override { return IDOK; }
    void OpenDocument(HWND, const std::string&) override {}
};

// The pixels of a surface of the given size after `paint`, 0x00RRGGBB, top row first: a gray
// surface, one of the stock colour `ground`, or the picture `under`.
struct Picture {
    int width = 0;
    std::vector<std::uint32_t> pixels;
    Colour At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF; }
};
template <class Paint>
Picture Draw(int width, int height, Paint paint, int ground = GRAY_BRUSH, const Picture* under = nullptr) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    MemoryDC dc(nullptr);
    Bitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    SelectScope select(dc.Get(), bitmap.Get());
    RECT all{0, 0, width, height};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(ground)));
    if (under) std::copy(under->pixels.begin(), under->pixels.end(), static_cast<std::uint32_t*>(bits));
    paint(dc.Get());
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    return {width, std::vector<std::uint32_t>(first, first + static_cast<size_t>(width) * height)};
}

// What a window paints into its drawing area, and the same size with a list replayed on it.
SIZE AreaSize(HWND dialog) {
    RECT client{};
    GetClientRect(GetDlgItem(dialog, IDC_DRAWING_AREA), &client);
    return {client.right, client.bottom};
}
Picture PaintedArea(HWND dialog, int ground = GRAY_BRUSH, const Picture* under = nullptr) {
    const SIZE size = AreaSize(dialog);
    return Draw(
        size.cx, size.cy,
        [&](HDC dc) {
            SendMessageW(GetDlgItem(dialog, IDC_DRAWING_AREA), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        },
        ground, under);
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Click(HWND window, int id) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// What the test saw of the modal window the main window opened, read by a thread timer while
// that window runs its loop; the timer then presses its OK.
struct Seen {
    std::string title;
    std::string viewTitle;  // the main window's, while the window is open
    std::vector<bool> checks;  // 当月, 年月別, and the two push-like buttons
    HWND window = nullptr;
    SIZE area{};
    Picture picture;
};
Seen g_seen;
HWND g_viewer = nullptr;

std::string WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return WideToUtf8(text);
}

void CALLBACK LookAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND popup = nullptr;
    for (HWND w = FindWindowW(L"#32770", nullptr); w; w = FindWindowExW(nullptr, w, L"#32770", nullptr))
        if (GetWindow(w, GW_OWNER) == g_viewer) popup = w;
    if (!popup) return;
    KillTimer(nullptr, timer);
    g_seen = {WindowText(popup), WindowText(GetDlgItem(g_viewer, IDC_VIEW_TITLE)), {}, popup, AreaSize(popup),
              PaintedArea(popup)};
    for (int id : {IDC_GRAPH_CURRENT_MONTH, IDC_GRAPH_YEAR_MONTH, IDC_GRAPH_FIRST, IDC_GRAPH_SECOND})
        g_seen.checks.push_back(Checked(popup, id));
    PostMessageW(popup, WM_COMMAND, IDOK, 0);
}

class AnalysisDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_.Write("Kestrofl.dat", kLog);
        recorder_.WriteText("System", "AppDir", dir_.Path().string() + "\\");
        viewer_ = std::make_unique<Modeless<CViewerDlg>>(
            ViewerContext{clock_, settings_, recorder_, prompts_, fileDialogs_, "C:\\WINDOWS", "C:\\Orvelle\\Orvelle.html"});
        ASSERT_NE(viewer_->Create(nullptr), nullptr);
        g_viewer = viewer_->Hwnd();
    }

    // Opens a window from the main window and looks at it while it is open.
    void OpenFromViewer(int id) {
        g_seen = {};
        SetTimer(nullptr, 0, 50, LookAndClose);
        Click(viewer_->Hwnd(), id);
        ASSERT_NE(g_seen.window, nullptr);
    }

    TempDir dir_;
    FixedClock clock_{kStart};
    MemoryProfile settings_;
    MemoryProfile recorder_;
    NoPrompts prompts_;
    ScriptedFileDialogs fileDialogs_;
    std::unique_ptr<Modeless<CViewerDlg>> viewer_;
};

TEST_F(AnalysisDlgTest, ButtonsAndMenuItemsOpenTheGraphAndTheChart) {
    const struct {
        int id;
        const char* title;
        const char* viewTitle;
    } cases[] = {
        {IDC_GRAPH, "　稼働時間の推移図（月別：日毎）", "稼働時間の推移"},
        {ID_MENU_GRAPH, "　稼働時間の推移図（月別：日毎）", "稼働時間の推移"},
        {IDC_CHART, "　稼働時間のチャート", "稼働時間のチャート"},
        {ID_MENU_CHART, "　稼働時間のチャート", "稼働時間のチャート"},
    };
    for (const auto& c : cases) {
        OpenFromViewer(c.id);
        EXPECT_EQ(g_seen.title, c.title) << c.id;
        EXPECT_EQ(g_seen.viewTitle, c.viewTitle) << c.id;
        // Closed, the main window names its view and month again.
        EXPECT_EQ(viewer_->ItemText(IDC_VIEW_TITLE), "日毎の稼働時間と起動回数        ");
        EXPECT_EQ(viewer_->ItemText(IDC_MONTH_CAPTION), "2009年 5月 ");
    }
}

TEST_F(AnalysisDlgTest, GraphOpensByMonthFromTheYearMonthViewAndByDayOtherwise) {
    Click(viewer_->Hwnd(), IDC_PER_START);
    OpenFromViewer(IDC_GRAPH);
    EXPECT_EQ(g_seen.checks, (std::vector<bool>{true, false, false, false}));
    Click(viewer_->Hwnd(), IDC_YEAR_MONTH);
    OpenFromViewer(IDC_GRAPH);
    EXPECT_EQ(g_seen.title, "　稼働時間の推移図(年月別)");
    EXPECT_EQ(g_seen.checks, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(viewer_->ItemText(IDC_VIEW_TITLE), "年月毎の稼働時間と起動回数      ");
}

// The windows opened from the main window paint exactly what the report draws for the log.
TEST_F(AnalysisDlgTest, TheWindowsDrawWhatTheReportDraws) {
    const struct {
        int view;
        int open;
        ReportRequest::Graph graph;
    } cases[] = {
        {IDC_CALENDAR, IDC_GRAPH, ReportRequest::Graph::Daily},
        {IDC_YEAR_MONTH, IDC_GRAPH, ReportRequest::Graph::Monthly},
        {IDC_DAILY, IDC_CHART, ReportRequest::Graph::Chart},
    };
    for (const auto& c : cases) {
        Click(viewer_->Hwnd(), c.view);
        OpenFromViewer(c.open);
        ReportRequest request;
        request.log = dir_.File("Kestrofl.dat");
        request.year = 2009;
        request.month = 5;
        request.now = kStart;
        request.graph = c.graph;
        request.area = {g_seen.area.cx, g_seen.area.cy};
        const std::optional<DrawList> report = BuildDrawing(request, kStart);
        ASSERT_TRUE(report.has_value());
        const Picture replayed = Draw(g_seen.area.cx, g_seen.area.cy, [&](HDC dc) { Replay(dc, *report); });
        EXPECT_TRUE(g_seen.picture.pixels == replayed.pixels) << c.open;
    }
}

class TrendGraphDlgTest : public AnalysisDlgTest {
protected:
    void SetUp() override {
        AnalysisDlgTest::SetUp();
        MonthViewer month(ViewerSettings{}, dir_.File("Kestrofl.dat"), kStart);
        month.ReadMonth(2009, 5);
        graph_ = std::make_unique<Modeless<CTrendGraphDlg>>(TrendGraphOpeningOf(month));
        ASSERT_NE(graph_->Create(nullptr), nullptr);
    }
    // The heading of the day graph, painted now.
    std::string Heading() {
        PaintedArea(graph_->Hwnd());
        for (const draw::Text& t : graph_->Drawing().Texts())
            if (t.text.rfind("［", 0) == 0) return t.text;
        return {};
    }
    bool Pressed(int id) const { return Checked(graph_->Hwnd(), id); }

    std::unique_ptr<Modeless<CTrendGraphDlg>> graph_;
};

TEST_F(TrendGraphDlgTest, MonthButtonsStepAndStopAtTodaysMonth) {
    EXPECT_EQ(Heading(), "［2009年 5月］ 計：8.75 時間");
    Click(graph_->Hwnd(), IDC_GRAPH_FIRST);
    EXPECT_EQ(Heading(), "［2009年 4月］ 計：8.50 時間");
    EXPECT_FALSE(Pressed(IDC_GRAPH_FIRST));
    for (int i = 0; i < 3; ++i) Click(graph_->Hwnd(), IDC_GRAPH_SECOND);
    EXPECT_EQ(Heading(), "［2009年 5月］ 計：8.75 時間");
    EXPECT_FALSE(Pressed(IDC_GRAPH_SECOND));
    // By month the same buttons choose the window, one pressed at a time.
    Click(graph_->Hwnd(), IDC_GRAPH_YEAR_MONTH);
    Click(graph_->Hwnd(), IDC_GRAPH_FIRST);
    EXPECT_TRUE(Pressed(IDC_GRAPH_FIRST) && !Pressed(IDC_GRAPH_SECOND));
    EXPECT_EQ(graph_->ItemText(IDC_GRAPH_FIRST), "最初から96ヶ月間");
}

TEST_F(TrendGraphDlgTest, PaintedPixelsLieWhereTheListPutsThem) {
    const Picture picture = PaintedArea(graph_->Hwnd());
    int bars = 0;
    Colour fill = kWhite;
    for (const draw::Element& e : graph_->Drawing().Elements()) {
        if (auto* b = std::get_if<draw::Brush>(&e)) fill = b->colour;
        auto* r = std::get_if<draw::Rectangle>(&e);
        if (!r || r->rect.bottom - r->rect.top < 3) continue;
        EXPECT_EQ(picture.At(r->rect.left + 2, r->rect.bottom - 2), fill) << r->rect.left;  // inside the outline
        ++bars;
    }
    EXPECT_EQ(bars, 1 + 3);  // the white ground and the days with starts: the 1st, the 10th and the 20th
    // The first line is the left axis, the only place moved to is the start of the running total.
    const draw::Line* axis = nullptr;
    const draw::MoveTo* total = nullptr;
    for (const draw::Element& e : graph_->Drawing().Elements()) {
        if (!axis) axis = std::get_if<draw::Line>(&e);
        if (!total) total = std::get_if<draw::MoveTo>(&e);
    }
    ASSERT_TRUE(axis && total);
    EXPECT_EQ(picture.At(axis->x1, (axis->y1 + axis->y2) / 2), kBlue);
    EXPECT_EQ(picture.At(total->x, total->y), kGraphRed);  // over the 1st's bar
}

// Another month paints every pixel of the area: nothing of the month before stays.
TEST_F(TrendGraphDlgTest, AMonthChangeLeavesNothingOfTheMonthBefore) {
    const Picture may = PaintedArea(graph_->Hwnd());
    Click(graph_->Hwnd(), IDC_GRAPH_FIRST);
    const Picture overMay = PaintedArea(graph_->Hwnd(), GRAY_BRUSH, &may);
    const Picture onBlack = PaintedArea(graph_->Hwnd(), BLACK_BRUSH);
    EXPECT_TRUE(overMay.pixels == onBlack.pixels);
    EXPECT_FALSE(may.pixels == onBlack.pixels);
}

}  // namespace
