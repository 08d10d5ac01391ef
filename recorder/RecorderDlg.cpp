#include "recorder/RecorderDlg.h"

#include "platform/File.h"
#include "platform/win/os/Process.h"
#include "platform/win/os/Text.h"
#include "platform/win/ui/AboutDlg.h"
#include "platform/win/ui/DialogUnits.h"
#include "platform/win/ui/DrawListReplay.h"
#include "platform/win/ui/Placement.h"
#include "recorder/RecorderDlgIds.h"
#include "recorder/ViewerSettingsFile.h"
#include "recorder/settings/RecorderSettingsDlg.h"
#include "recorder/settings/SettingsEdit.h"
#include "recorder/settings/StartupShortcut.h"
#include "resources/recorder/RecorderResources.h"
#include "shared/RecorderSettings.h"
#include "shared/SessionLog.h"

namespace kestrowa {

namespace {
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerPeriod = 1000;
constexpr UINT kTrayIconId = 1;
constexpr UINT kTrayCallback = 0x8064;
constexpr const char* kHelpFileName = "Kestrowa.html";
// The text control of a message box.
constexpr int kMessageBoxText = 0xFFFF;

// The bitmap buttons and their bitmaps when the window comes up; 1048 only with the stopwatch.
struct InitialBitmaps {
    int id;
    BitmapSet set;
};
constexpr InitialBitmaps kInitialBitmaps[] = {
    {IDC_VERSION, {"IDB_BITMAP_VERSION", "IDB_BITMAP_VERSION"}},
    {IDC_HELP_BUTTON, {"IDB_BITMAP_HELP", "IDB_BITMAP_HELP"}},
    {IDC_SETTINGS, {"IDB_BITMAP_DSGN1", "IDB_BITMAP_DSGN1"}},
    {IDC_VIEWER, {"IDB_BITMAP_DSP1", "IDB_BITMAP_DSP1"}},
    {IDC_START_TIME_BUTTON, {"IDB_BITMAP_SYSSTRT", "IDB_BITMAP_SYSSTRT"}},
    {IDC_SECOND_ROW_BUTTON, {"IDB_BITMAP_TMPRSNT", "IDB_BITMAP_TMPRSNT"}},
    {IDC_STOPWATCH_BUTTON, {"IDB_BITMAP_START", "IDB_BITMAP_START"}},
};

// Icon 128 at the size of a metric pair, shared: the system keeps it.
HICON ProgramIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
}
}  // namespace

CRecorderDlg::CRecorderDlg(RecorderContext context)
    : DialogWithTable(IDD_RECORDER),
      context_(std::move(context)),
      recording_(context_.clock, context_.profile, SessionLog(OwnLogPath(context_.environment.applicationFolder))),
      correction_(context_.clock, context_.profile, context_.fileTimes, context_.environment.family,
                  context_.environment.windowsDrive),
      display_(context_.clock, context_.profile, recording_),
      face_(FromColorRef(GetSysColor(COLOR_BTNFACE))),
      hints_(face_) {
    for (const InitialBitmaps& initial : kInitialBitmaps) {
        if (initial.id == IDC_STOPWATCH_BUTTON && !display_.Settings().stopwatch) continue;
        buttons_[initial.id].Load(Utf8ToWide(initial.set.normal).c_str(), Utf8ToWide(initial.set.pressed).c_str());
    }
    ResetViewerSettings(context_.environment.viewerSettingsPath);
}

std::span<const MessageEntry<CRecorderDlg>> CRecorderDlg::MessageTable() {
    using D = CRecorderDlg;
    static const MessageEntry<D> table[] = {
        OnMessage(WM_INITDIALOG, &D::OnInitDialog),
        OnMessage(WM_WINDOWPOSCHANGING, &D::OnWindowPosChanging),
        OnMessage(WM_SHOWWINDOW, &D::OnShowWindow),
        OnMessageResult(WM_PAINT, &D::OnPaint),
        OnMessage(WM_RBUTTONUP, &D::OnRightButtonUp),
        OnMessage(WM_TIMER, &D::OnTimer),
        OnMessage(kTrayCallback, &D::OnTrayNotify),
        OnMessage(WM_POWERBROADCAST, &D::OnPowerBroadcast),
        OnMessage(WM_TIMECHANGE, &D::OnTimeChange),
        OnMessageResult(WM_SYSCOMMAND, &D::OnSysCommand),
        OnMessageResult(WM_DRAWITEM, &D::OnDrawItem),
        OnMessage(WM_DESTROY, &D::OnDestroy),
        OnCommand(IDC_END_BUTTON, &D::OnEnd),
        // Escape ends the recorder like the end button, and like it not while ending is barred.
        OnCommand(IDCANCEL, &D::OnEnd),
        OnCommand(ID_APP_EXIT, &D::OnAppExit),
        OnCommand(IDC_MINIMIZE, &D::OnMinimize),
        OnCommand(ID_MENU_MINIMIZE, &D::OnMinimize),
        OnCommand(IDC_VIEWER, &D::OnViewer),
        OnCommand(ID_MENU_VIEWER, &D::OnViewer),
        OnCommand(IDC_SETTINGS, &D::OnSettings),
        OnCommand(ID_MENU_SETTINGS, &D::OnSettings),
        OnCommand(IDC_VERSION, &D::OnAbout),
        OnCommand(ID_APP_ABOUT, &D::OnAbout),
        OnCommand(IDC_HELP_BUTTON, &D::OnHelp),
        OnCommand(IDC_STOPWATCH_BUTTON, &D::OnStopwatch),
        OnCommand(IDC_START_TIME_BUTTON, &D::OnStartTimeButton),
        OnCommand(IDC_SECOND_ROW_BUTTON, &D::OnSecondRowButton),
    };
    return table;
}

// The start method chosen last: the one of the start, or one the settings dialog switched to.
bool CRecorderDlg::TrayMode() const { return display_.Settings().startMethod == StartMethod::Tray; }

void CRecorderDlg::OnInitDialog(WPARAM, LPARAM) {
    if (recording_.CurrentState() != SessionRecording::State::NotInitialised) return;
    if (TrayMode()) AddTrayIcon();
    EditSystemMenu();
    SetIcons(ProgramIcon(SM_CXICON, SM_CYICON), ProgramIcon(SM_CXSMICON, SM_CYSMICON));
    recording_.RecordStart([this] { correction_.Apply(recording_); });
    startupFolder_ = kestrowa::StartupFolder(context_.shell, context_.environment.family, context_.environment.windowsDrive);
    // The start shows at once, before the questions of the checks below can hold the window up.
    SetItemText(IDC_START_TIME, recording_.ShownStartText());
    SetTitle(recording_.StartTitle());
    ShowInitially();
    pointer_.Attach(Hwnd(), [this](int x, int y) { OnPointerMove(x, y); });
    StartTimer();
    CheckApplicationFolder(context_.profile, context_.environment.applicationFolder, [this](const std::string& question) {
        return context_.prompts.ShowMessage(Hwnd(), question, kRecorderCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
    });
    CheckWindowsDrive(context_.profile, context_.environment.windowsDrive);
    Apply(display_.Initial());
}

void CRecorderDlg::AddTrayIcon() {
    if (!trayIcon_.Get())
        trayIcon_.Reset(static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TRAY), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    tray_.Add(Hwnd(), kTrayIconId, kTrayCallback, trayIcon_.Get());
}

void CRecorderDlg::EditSystemMenu() {
    AppendAboutItem(Hwnd());
    HMENU menu = GetSystemMenu(Hwnd(), FALSE);
    for (int position : SystemMenuRemovals(TrayMode())) RemoveMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
}

void CRecorderDlg::Place() {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const WindowPosition at = StatusWindowPosition(
        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), context_.environment.family,
        Read(context_.profile, recorder_key::LeftRight), Read(context_.profile, recorder_key::UpDown), client.bottom);
    const ScreenPoint placed = WithinWorkArea(Hwnd(), {at.x, at.y});
    SetWindowPos(Hwnd(), HWND_TOP, placed.x, placed.y, 0, 0, SWP_NOSIZE);
    if (recording_.EndBarred()) SetItemText(IDOK, recording_.EndButtonText());
}

void CRecorderDlg::ShowInitially() {
    Place();
    SetItemText(IDOK, recording_.EndButtonText());
    // Without `StopWatch` no bitmaps were loaded for 1048: it stays an owner-drawn button that
    // nothing draws, so it is not seen.
    for (auto& [id, button] : buttons_) button.Attach(Hwnd(), id);
    if (TrayMode()) {
        // The modal run shows a dialog that its initialisation left hidden; in the tray method it
        // stays hidden until the tray icon calls it up.
        keepHidden_ = true;
        ShowWindow(Hwnd(), SW_HIDE);
    } else {
        ShowWindow(Hwnd(), SW_SHOWMINNOACTIVE);
    }
}

void CRecorderDlg::StartTimer() {
    if (timerRunning_) return;
    timerRunning_ = SetTimer(Hwnd(), kTimerId, kTimerPeriod, nullptr) != 0;
}

void CRecorderDlg::Apply(const StatusUpdate& update) {
    for (const auto& [id, text] : update.texts) SetItemText(id, text);
    if (update.title) SetTitle(*update.title);
    Draw(BlankDrawing(update.blank, face_, Scale()));
    for (const auto& [id, set] : update.bitmaps) AttachBitmaps(id, set);
    if (update.restartTimer) {
        KillTimer(Hwnd(), kTimerId);
        timerRunning_ = false;
        StartTimer();
    }
    if (update.notice) ShowNotice(*update.notice);
}

// The notice box is modal, and the timer goes on ticking under it: a notice due while one is open
// takes that box's text instead of opening a second box over it.
void CRecorderDlg::ShowNotice(const std::string& text) {
    if (noticeOpen_) {
        if (HWND box = OpenNoticeBox()) SetDlgItemTextW(box, kMessageBoxText, Utf8ToWide(text).c_str());
        return;
    }
    noticeOpen_ = true;
    context_.prompts.ShowMessage(Hwnd(), text, kNoticeCaption, MB_ICONEXCLAMATION | MB_OK);
    noticeOpen_ = false;
}

HWND CRecorderDlg::OpenNoticeBox() const {
    struct Search {
        HWND owner;
        std::wstring caption;
        HWND found;
    } search{Hwnd(), Utf8ToWide(kNoticeCaption), nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(lParam);
            wchar_t title[64] = {};
            GetWindowTextW(window, title, 64);
            if (GetWindow(window, GW_OWNER) != wanted->owner || wanted->caption != title) return TRUE;
            wanted->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CRecorderDlg::Draw(const DrawList& drawing) {
    if (drawing.Empty()) return;
    ClientDC dc(Hwnd());
    Replay(dc.Get(), drawing);
}

void CRecorderDlg::AttachBitmaps(int id, const BitmapSet& set) {
    BitmapButton& button = buttons_[id];
    button.Load(Utf8ToWide(set.normal).c_str(), Utf8ToWide(set.pressed).c_str());
    button.Attach(Hwnd(), id);
}

void CRecorderDlg::OnWindowPosChanging(WPARAM, LPARAM lParam) {
    auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
    if (keepHidden_) position->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
}

void CRecorderDlg::OnShowWindow(WPARAM wParam, LPARAM) {
    if (wParam) Place();
}

LRESULT CRecorderDlg::OnPaint(WPARAM, LPARAM) {
    if (PaintIconWhileMinimized(ProgramIcon(SM_CXICON, SM_CYICON))) return TRUE;
    display_.RequestRepaint();
    return FALSE;
}

// The pointer moved over the window or one of its buttons, or left either (x, y: client pixels).
DialogScale CRecorderDlg::Scale() const { return MeasureDialogScale(Hwnd(), kStatusDesignUnits); }

void CRecorderDlg::OnPointerMove(int x, int y) {
    Apply(display_.Refresh());
    StartTimer();
    Draw(hints_.MouseMove(x, y, Scale()));
}

void CRecorderDlg::OnRightButtonUp(WPARAM, LPARAM lParam) {
    ShowPopupMenu(TrayMode() || recording_.EndBarred() ? IDR_MENU_TRAY : IDR_MENU_FULL, lParam);
}

void CRecorderDlg::OnTimer(WPARAM, LPARAM) { Apply(display_.Tick()); }

void CRecorderDlg::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
    if (wParam != kTrayIconId || lParam != WM_LBUTTONDOWN) return;
    MessageBeep(MB_OK);
    keepHidden_ = false;
    ShowWindow(Hwnd(), SW_RESTORE);
    SetForegroundWindow(Hwnd());
}

// A sleep of the PC ends the session and the wake starts the next, while the window, tray icon and
// timer stay as they are.
void CRecorderDlg::OnPowerBroadcast(WPARAM event, LPARAM) {
    switch (event) {
        case PBT_APMSUSPEND: recording_.RecordSleep(); break;
        case PBT_APMRESUMEAUTOMATIC: Apply(display_.Wake(WakeNotice::Automatic)); break;
        case PBT_APMRESUMESUSPEND: Apply(display_.Wake(WakeNotice::ByUser)); break;
        default: break;
    }
}

// The clock or the time zone was set: the session is ended at the old clock's time and a new one
// opened at the new clock's, unless it moved by no more than a time synchronisation does.
void CRecorderDlg::OnTimeChange(WPARAM, LPARAM) { Apply(display_.ClockChanged()); }

LRESULT CRecorderDlg::OnSysCommand(WPARAM wParam, LPARAM) {
    if (!IsAboutCommand(wParam)) return FALSE;
    CAboutDlg().RunModal(Hwnd());
    return TRUE;
}

LRESULT CRecorderDlg::OnDrawItem(WPARAM, LPARAM lParam) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    auto found = buttons_.find(static_cast<int>(item.CtlID));
    return found != buttons_.end() && found->second.Draw(item);
}

void CRecorderDlg::OnDestroy(WPARAM, LPARAM) {
    recording_.RecordEnd();
    if (timerRunning_) KillTimer(Hwnd(), kTimerId);
    timerRunning_ = false;
    tray_.Remove();
}

void CRecorderDlg::OnEnd() {
    if (!recording_.EndBarred()) End(IDOK);
}

void CRecorderDlg::OnAppExit() {
    End(IDOK);
}

void CRecorderDlg::OnMinimize() {
    ShowWindow(Hwnd(), TrayMode() ? SW_HIDE : SW_MINIMIZE);
}

void CRecorderDlg::OnViewer() {
    const std::string& folder = context_.environment.applicationFolder;
    if (!OpenFile(OwnLogPath(folder), "rb")) {
        context_.prompts.ShowMessage(Hwnd(), kViewerNotYetText, kRecorderCaption, MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    const ViewerWindow window;
    RunProcessAndWait(ViewerProgramPath(folder), {window.x, window.y, window.width, window.height}, Hwnd());
    viewerLog_ = ReadViewerSecondLog(context_.environment.viewerSettingsPath);
}

// The settings dialog: what it confirms is taken over and shown at once; confirmed or not, the
// Startup shortcut and the tray icon then follow the start method.
void CRecorderDlg::OnSettings() {
    SettingsDialogValues values =
        OpenSettings(display_, recording_, context_.environment.applicationFolder, viewerLog_);
    CRecorderSettingsDlg dialog(values, context_.prompts, context_.files);
    if (dialog.RunModal(Hwnd()) == IDOK) {
        const SettingsTakeOver taken =
            TakeEditedSettings(values.settings, display_, recording_, correction_, context_.profile);
        Apply(taken.update);
        if (taken.placeWindow) Place();
    }

    const StartMethod method = display_.Settings().startMethod;
    StartupShortcuts shortcuts(
        context_.shell, context_.directory, startupFolder_, context_.environment.applicationFolder,
        {[this](const std::string& text) {
             context_.prompts.ShowMessage(Hwnd(), text, kRecorderCaption, MB_ICONEXCLAMATION | MB_OK);
         },
         [this](const std::string& question) {
             return context_.prompts.ShowMessage(Hwnd(), question, kRecorderCaption, MB_YESNO | MB_ICONQUESTION) ==
                    IDYES;
         }});
    shortcuts.Align(method, context_.profile);
    // In the manual method the window minimizes to the taskbar: the icon has nothing left to do.
    if (method == StartMethod::Tray) AddTrayIcon();
    if (method == StartMethod::Manual) tray_.Remove();
}

void CRecorderDlg::OnAbout() {
    CAboutDlg().RunModal(Hwnd());
}

void CRecorderDlg::OnHelp() {
    context_.prompts.OpenDocument(Hwnd(), context_.environment.applicationFolder + kHelpFileName);
}

void CRecorderDlg::OnStopwatch() {
    Apply(stopwatch_.Press(context_.clock.UnbiasedMilliseconds(), display_.Settings().stopwatch));
}

void CRecorderDlg::OnStartTimeButton() {
    Apply(display_.ToggleStartTime());
}

void CRecorderDlg::OnSecondRowButton() {
    Apply(display_.ToggleSecondRow());
}

}  // namespace kestrowa
