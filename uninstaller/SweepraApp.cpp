#include "uninstaller/SweepraApp.h"

#include <commctrl.h>

#include "platform/win/os/CurrentUserKeyRemover.h"
#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {

constexpr wchar_t kFrameClass[] = L"SweepraFrame";
constexpr wchar_t kViewClass[] = L"SweepraView";
constexpr char kProgramName[] = "Sweepra";
constexpr UINT_PTR kIndicatorTimer = 1;

COLORREF ToColorRef(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(hwnd_, &ps_); }
    HDC Dc() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_;
    HDC dc_;
};

// The report's text settings: white text without background in the report font, undone when
// the scope ends.
class ReportTextSettings {
public:
    explicit ReportTextSettings(HDC dc)
        : dc_(dc),
          font_(CreateFontW(20, 0, 0, 0, 600, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                            CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_ROMAN,
                            L"ＭＳ ゴシック")),
          selection_(dc, font_.Get()) {
        SetTextColor(dc, ToColorRef(kReportTextColour));
        SetBkMode(dc, TRANSPARENT);
    }
    ReportTextSettings(const ReportTextSettings&) = delete;
    ReportTextSettings& operator=(const ReportTextSettings&) = delete;
    ~ReportTextSettings() { SetBkMode(dc_, OPAQUE); }

private:
    HDC dc_;
    Font font_;
    SelectScope selection_;
};

// Draws each text as the uninstall reports it and notes what it drew.
class ViewReportSink : public ReportSink {
public:
    ViewReportSink(HWND frame, HDC dc, std::vector<ReportText>& drawn)
        : frame_(frame), dc_(dc), drawn_(drawn) {}
    void SetTitle(const std::string& title) override {
        SetWindowTextW(frame_, Utf8ToWide(title).c_str());
    }
    void Draw(const ReportText& text) override {
        std::wstring wide = Utf8ToWide(text.text);
        SetTextColor(dc_, ToColorRef(text.colour));
        TextOutW(dc_, text.x, text.y, wide.c_str(), static_cast<int>(wide.size()));
        drawn_.push_back(text);
    }

private:
    HWND frame_;
    HDC dc_;
    std::vector<ReportText>& drawn_;
};

template <typename T>
T* Self(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        return self;
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

CSweepraView::CSweepraView(CSweepraDoc& doc, Directory& directory, KeyRemover& keys,
                           UserPrompts& prompts)
    : doc_(doc),
      directory_(directory),
      keys_(keys),
      prompts_(prompts),
      background_(CreateSolidBrush(ToColorRef(kReportBackground))) {}

bool CSweepraView::Create(HWND frame) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(frame, GWLP_HINSTANCE));
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kViewClass;
    RegisterClassExW(&wc);
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, kViewClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                            frame, nullptr, instance, this);
    return hwnd_ != nullptr;
}

LRESULT CALLBACK CSweepraView::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        CSweepraView* self = Self<CSweepraView>(hwnd, message, lParam);
        if (self && message == WM_PAINT) {
            self->OnPaint();
            return 0;
        }
    } catch (...) {
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void CSweepraView::OnPaint() {
    PaintScope paint(hwnd_);
    if (runOnce_ == 0) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    RunOnce(paint.Dc(), client);
}

void CSweepraView::RunOnce(HDC dc, const RECT& client) {
    // The questions below run their own message loops, in which this view may be painted
    // again: the run must already count as started by then.
    runOnce_ = 0;
    HWND frame = GetParent(hwnd_);
    SetWindowTextW(frame, Utf8ToWide(kStartTitle).c_str());
    FillBackground(dc, client);
    if (!Confirm(frame, "アプリケーションをアンインストールしますか？") ||
        !Confirm(frame, "ｱﾌﾟﾘｹｰｼｮﾝがあるﾌｫﾙﾀﾞ内の全ファイルを削除します！")) {
        PostMessageW(frame, WM_CLOSE, 0, 0);
        return;
    }
    ReportTextSettings settings(dc);
    ViewReportSink sink(frame, dc, report_);
    RunUninstall(doc_, directory_, keys_, sink);
}

bool CSweepraView::Confirm(HWND frame, const char* question) {
    return prompts_.ShowMessage(frame, question, kProgramName, MB_OKCANCEL) == IDOK;
}

void CSweepraView::FillBackground(HDC dc, const RECT& client) const {
    SelectScope brush(dc, background_.Get());
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
}

bool CMainFrame::Create(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFrameClass;
    RegisterClassExW(&wc);
    hwnd_ = CreateWindowExW(0, kFrameClass, Utf8ToWide(kProgramName).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                            this);
    return hwnd_ != nullptr;
}

LRESULT CALLBACK CMainFrame::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        CMainFrame* self = Self<CMainFrame>(hwnd, message, lParam);
        if (self) {
            if (message == WM_NCCREATE) self->hwnd_ = hwnd;
            return self->OnMessage(message, wParam, lParam);
        }
    } catch (...) {
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return view_.Handle() ? 0 : -1;
        case WM_SIZE:
            LayOut();
            return 0;
        case WM_TIMER:
            if (wParam == kIndicatorTimer) UpdateIndicators();
            return 0;
        case WM_DESTROY:
            KillTimer(hwnd_, kIndicatorTimer);
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void CMainFrame::OnCreate() {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    toolBar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | TBSTYLE_FLAT | CCS_TOP, 0,
                               0, 0, 0, hwnd_, nullptr, instance, nullptr);
    if (toolBar_) SendMessageW(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                                 0, 0, 0, 0, hwnd_, nullptr, instance, nullptr);
    UpdateIndicators();
    SetTimer(hwnd_, kIndicatorTimer, 500, nullptr);
    view_.Create(hwnd_);
}

void CMainFrame::LayOut() {
    RECT client;
    GetClientRect(hwnd_, &client);
    int statusHeight = 0;
    if (statusBar_) {
        SendMessageW(statusBar_, WM_SIZE, 0, 0);
        // The message area stretches; the four key indicators keep their width at the right.
        constexpr int kIndicatorWidth = 50;
        int parts[5];
        for (int i = 0; i < 5; ++i) parts[i] = client.right - kIndicatorWidth * (4 - i);
        parts[4] = -1;
        SendMessageW(statusBar_, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(parts));
        RECT bar;
        GetWindowRect(statusBar_, &bar);
        statusHeight = bar.bottom - bar.top;
    }
    if (view_.Handle())
        MoveWindow(view_.Handle(), 0, 0, client.right, client.bottom - statusHeight, TRUE);
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

namespace {

std::string ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return kestrowa::WideToUtf8(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    using namespace kestrowa;
    CSweepraDoc doc(ModulePath(), AnsiToUtf8);
    SystemDirectory directory;
    CurrentUserKeyRemover keys;
    SystemPrompts prompts;
    CSweepraView view(doc, directory, keys, prompts);
    CMainFrame frame(view);
    if (!frame.Create(instance)) return 1;
    ShowWindow(frame.Handle(), show);
    UpdateWindow(frame.Handle());
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
