#include "uninstaller/SweepraApp.h"

#include <commctrl.h>

#include "platform/win/os/CurrentUserKeyRemover.h"
#include "platform/win/os/Module.h"
#include "platform/win/os/Text.h"
#include "platform/win/ui/Dpi.h"
#include "platform/win/ui/DrawListReplay.h"
#include "platform/win/ui/Gdi.h"

namespace kestrowa {

namespace {

constexpr wchar_t kFrameClass[] = L"SweepraFrame";
constexpr wchar_t kViewClass[] = L"SweepraView";
constexpr char kProgramName[] = "Sweepra";
constexpr UINT_PTR kIndicatorTimer = 1;

// Draws each part as the uninstall reports it and notes what it drew.
class ViewReportSink : public ReportSink {
public:
    ViewReportSink(HWND frame, HDC dc, DrawList& drawn) : frame_(frame), dc_(dc), drawn_(drawn) {}
    void SetTitle(const std::string& title) override {
        SetWindowTextW(frame_, Utf8ToWide(title).c_str());
    }
    // The report is laid out in pixels of 96 DPI.
    void Draw(const DrawList& part) override {
        const DrawnAt96Dpi atDpi(dc_, WindowDpi(frame_));
        Replay(dc_, part);
        drawn_.Append(part);
    }

private:
    HWND frame_;
    HDC dc_;
    DrawList& drawn_;
};

}  // namespace

CSweepraView::CSweepraView(CSweepraDoc& doc, Directory& directory, KeyRemover& keys,
                           UserPrompts& prompts)
    : doc_(doc),
      directory_(directory),
      keys_(keys),
      prompts_(prompts) {}

std::span<const MessageEntry<CSweepraView>> CSweepraView::MessageTable() {
    static const MessageEntry<CSweepraView> table[] = {
        OnMessageResult(WM_PAINT, &CSweepraView::OnPaint),
    };
    return table;
}

bool CSweepraView::Create(HWND frame) {
    WNDCLASSEXW wc{};
    wc.hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(frame, GWLP_HINSTANCE));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kViewClass;
    return CreateOfClass(wc, WS_EX_CLIENTEDGE, L"", WS_CHILD | WS_VISIBLE, frame) != nullptr;
}

LRESULT CSweepraView::OnPaint(WPARAM, LPARAM) {
    PaintScope paint(Hwnd());
    if (runOnce_ == 0) return 0;
    RECT client;
    GetClientRect(Hwnd(), &client);
    RunOnce(paint.Dc(), client);
    return 0;
}

void CSweepraView::RunOnce(HDC dc, const RECT& client) {
    // The questions below run their own message loops, in which this view may be painted
    // again: the run must already count as started by then.
    runOnce_ = 0;
    HWND frame = GetParent(Hwnd());
    SetWindowTextW(frame, Utf8ToWide(kStartTitle).c_str());
    Replay(dc, ReportBackground(client.right, client.bottom));
    if (!Confirm(frame, "アプリケーションをアンインストールしますか？") ||
        !Confirm(frame, "ｱﾌﾟﾘｹｰｼｮﾝがあるﾌｫﾙﾀﾞ内の全ファイルを削除します！")) {
        PostMessageW(frame, WM_CLOSE, 0, 0);
        return;
    }
    ViewReportSink sink(frame, dc, report_);
    RunUninstall(doc_, directory_, keys_, sink);
}

bool CSweepraView::Confirm(HWND frame, const char* question) {
    return prompts_.ShowMessage(frame, question, kProgramName, MB_OKCANCEL) == IDOK;
}

std::span<const MessageEntry<CMainFrame>> CMainFrame::MessageTable() {
    using F = CMainFrame;
    static const MessageEntry<F> table[] = {
        OnMessageResult(WM_CREATE, &F::OnCreate),
        OnMessage(WM_SIZE, &F::OnSize),
        OnMessage(WM_DPICHANGED, &F::OnDpiChanged),
        OnMessage(WM_TIMER, &F::OnTimer),
        OnMessage(WM_DESTROY, &F::OnDestroy),
    };
    return table;
}

bool CMainFrame::Create(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFrameClass;
    return CreateOfClass(wc, 0, Utf8ToWide(kProgramName).c_str(), WS_OVERLAPPEDWINDOW, nullptr) != nullptr;
}

void CMainFrame::OnTimer(WPARAM wParam, LPARAM) {
    if (wParam == kIndicatorTimer) UpdateIndicators();
}

void CMainFrame::OnDestroy(WPARAM, LPARAM) {
    KillTimer(Hwnd(), kIndicatorTimer);
    PostQuitMessage(0);
}

LRESULT CMainFrame::OnCreate(WPARAM, LPARAM) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Hwnd(), GWLP_HINSTANCE));
    toolBar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | TBSTYLE_FLAT | CCS_TOP, 0,
                               0, 0, 0, Hwnd(), nullptr, instance, nullptr);
    if (toolBar_) SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                                 0, 0, 0, 0, Hwnd(), nullptr, instance, nullptr);
    UpdateIndicators();
    SetTimer(Hwnd(), kIndicatorTimer, 500, nullptr);
    return view_.Create(Hwnd()) ? 0 : -1;
}

void CMainFrame::OnSize(WPARAM, LPARAM) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    int statusHeight = 0;
    if (statusBar_) {
        SendMessageW(statusBar_, WM_SIZE, 0, 0);
        // The message area stretches; the four key indicators keep their width at the right.
        const int indicatorWidth = ScaledToDpi(Hwnd(), 50);
        int parts[5];
        for (int i = 0; i < 5; ++i) parts[i] = client.right - indicatorWidth * (4 - i);
        parts[4] = -1;
        SendMessageW(statusBar_, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(parts));
        RECT bar;
        GetWindowRect(statusBar_, &bar);
        statusHeight = bar.bottom - bar.top;
    }
    if (view_.Hwnd())
        MoveWindow(view_.Hwnd(), 0, 0, client.right, client.bottom - statusHeight, TRUE);
}

// Moved to a monitor of another DPI, the frame takes the place and size the system proposes for
// it; its status bar and view follow through WM_SIZE.
void CMainFrame::OnDpiChanged(WPARAM, LPARAM lParam) {
    const RECT& proposed = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(Hwnd(), nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                 proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainFrame::UpdateIndicators() {
    if (!statusBar_) return;
    struct Indicator {
        int key;
        const wchar_t* text;
    };
    static constexpr Indicator kIndicators[] = {
        {VK_KANA, L"ｶﾅ"}, {VK_CAPITAL, L"CAP"}, {VK_NUMLOCK, L"NUM"}, {VK_SCROLL, L"SCRL"}};
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"レディ"));
    for (int i = 0; i < 4; ++i) {
        bool on = (GetKeyState(kIndicators[i].key) & 1) != 0;
        SendMessageW(statusBar_, SB_SETTEXTW, i + 1,
                     reinterpret_cast<LPARAM>(on ? kIndicators[i].text : L""));
    }
}

}  // namespace kestrowa

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    using namespace kestrowa;
    CSweepraDoc doc(ModulePath(), AnsiToUtf8);
    SystemDirectory directory;
    CurrentUserKeyRemover keys;
    SystemPrompts prompts;
    CSweepraView view(doc, directory, keys, prompts);
    CMainFrame frame(view);
    if (!frame.Create(instance)) return 1;
    ShowWindow(frame.Hwnd(), show);
    UpdateWindow(frame.Hwnd());
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
