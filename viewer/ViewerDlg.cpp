#include "viewer/ViewerDlg.h"

#include <windowsx.h>
#include <commctrl.h>

#include "platform/File.h"
#include "platform/FileReplace.h"
#include "platform/win/os/Text.h"
#include "platform/win/ui/AboutDlg.h"
#include "platform/win/ui/DialogUnits.h"
#include "platform/win/ui/DrawListReplay.h"
#include "resources/viewer/ViewerResources.h"
#include "shared/SessionLog.h"
#include "shared/Strings.h"
#include "viewer/LogEditor.h"
#include "viewer/MonthSelection.h"
#include "viewer/ViewerDlgIds.h"
#include "viewer/WaitDlg.h"
#include "viewer/analysis/ChartDlg.h"
#include "viewer/analysis/PeriodDlg.h"
#include "viewer/analysis/TrendGraphDlg.h"
#include "viewer/settings/DisplaySettingsDlg.h"

namespace kestrowa {

namespace {
// The caption of the viewer's message boxes.
constexpr const char* kViewerCaption = "Orvelle";
// The editor opens at this place and size (pixels).
constexpr WindowPlacementHint kEditorPlacement{20, 55, 691, 504};

int RadioOf(ViewKind view) {
    switch (view) {
        case ViewKind::Calendar: return IDC_CALENDAR;
        case ViewKind::Daily: return IDC_DAILY;
        case ViewKind::PerStart: return IDC_PER_START;
        case ViewKind::YearMonth: return IDC_YEAR_MONTH;
    }
    return IDC_CALENDAR;
}

// The bitmap buttons with their bitmaps: the same face in every state.
struct ButtonFace {
    int id;
    const wchar_t* bitmap;
};
constexpr ButtonFace kButtonFaces[] = {
    {ID_HELP_INDEX, L"IDB_BITMAP_HELP"},      {IDC_GRAPH, L"IDB_BITMAP_GRAPH"},
    {ID_APP_ABOUT, L"IDB_BITMAP_VERSION"},    {IDC_SETTINGS, L"IDB_BITMAP_DSGN1"},
    {IDC_CHART, L"IDB_BITMAP_CHART"},
};

HICON LoadIconSized(int width, int height) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                         width, height, LR_DEFAULTCOLOR));
}
}  // namespace

CViewerDlg::CViewerDlg(ViewerContext context)
    : DialogWithTable(IDD_VIEWER),
      context_(std::move(context)),
      viewer_(ReadViewerSettings(context_.settings, context_.windowsDirectory)),
      bigIcon_(LoadIconSized(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON))),
      smallIcon_(LoadIconSized(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON))),
      helpLine_(FromColorRef(GetSysColor(COLOR_BTNFACE))) {
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i].Load(kButtonFaces[i].bitmap, kButtonFaces[i].bitmap);
}

// Out of line: the wait window's class is known here only.
CViewerDlg::~CViewerDlg() = default;

std::span<const MessageEntry<CViewerDlg>> CViewerDlg::MessageTable() {
    using D = CViewerDlg;
    static const MessageEntry<D> table[] = {
        OnMessage(WM_INITDIALOG, &D::OnInitDialog),
        OnMessageResult(WM_PAINT, &D::OnPaint),
        OnMessageResult(WM_QUERYDRAGICON, &D::OnQueryDragIcon),
        OnMessage(WM_MOUSEMOVE, &D::OnMouseMove),
        OnMessage(WM_SETCURSOR, &D::OnSetCursor),
        OnMessage(WM_RBUTTONDOWN, &D::OnRightButtonDown),
        OnMessageResult(WM_SYSCOMMAND, &D::OnSysCommand),
        OnMessageResult(WM_DRAWITEM, &D::OnDrawItem),
        OnMessage(WM_DESTROY, &D::OnDestroy),
        OnCommand(IDOK, &D::OnOk),
        OnCommand(IDCANCEL, &D::OnCancel),
        OnCommand(ID_APP_EXIT, &D::OnOk),
        OnCommand(IDC_CALENDAR, &D::OnCalendar),
        OnCommand(ID_MENU_CALENDAR, &D::OnCalendar),
        OnCommand(IDC_DAILY, &D::OnDaily),
        OnCommand(ID_MENU_DAILY, &D::OnDaily),
        OnCommand(IDC_PER_START, &D::OnPerStart),
        OnCommand(ID_MENU_PER_START, &D::OnPerStart),
        OnCommand(IDC_YEAR_MONTH, &D::OnYearMonth),
        OnCommand(ID_MENU_YEAR_MONTH, &D::OnYearMonth),
        OnCommand(IDC_SETTINGS, &D::OnSettings),
        OnCommand(ID_MENU_SETTINGS, &D::OnSettings),
        OnCommand(IDC_LOG, &D::OnLog),
        OnCommand(ID_MENU_LOG, &D::OnLog),
        OnCommand(IDC_PERIOD, &D::OnPeriod),
        OnCommand(ID_MENU_PERIOD, &D::OnPeriod),
        OnCommand(IDC_GRAPH, &D::OnGraph),
        OnCommand(ID_MENU_GRAPH, &D::OnGraph),
        OnCommand(IDC_CHART, &D::OnChart),
        OnCommand(ID_MENU_CHART, &D::OnChart),
        OnCommand(ID_APP_ABOUT, &D::OnAbout),
        OnCommand(ID_HELP_INDEX, &D::OnHelp),
        OnCommand(ID_MENU_EVENT_HISTORY, &D::OnEventHistory),
        OnCommand(IDC_YEAR, EN_CHANGE, &D::OnYearChange),
        OnCommand(IDC_MONTH, EN_CHANGE, &D::OnMonthChange),
    };
    return table;
}

void CViewerDlg::OnInitDialog(WPARAM, LPARAM) {
    AppendAboutItem(Hwnd());
    SetIcons(bigIcon_.Get(), smallIcon_.Get());
    const bool first = !initialised_;
    if (first) {
        wait_ = std::make_unique<Modeless<CWaitDlg>>();
        wait_->Create(Hwnd());
        ShowWindow(wait_->Hwnd(), SW_SHOW);
        UpdateWindow(wait_->Hwnd());
        applicationFolder_ = ApplicationFolder(context_.recorderProfile);
        // The year spin reaches up to this year, so the date is taken before the spins are set.
        viewer_.Start(OwnLogPath(applicationFolder_), context_.clock.Now());
    }
    SetSpinRanges();
    if (first) {
        AttachButtons();
        list_ = ListView(Item(IDC_LIST));
        initialised_ = true;
    }
    const DateTime& today = viewer_.Options().today;
    WriteEdit(IDC_YEAR, PaddedInteger(today.year, 0));
    WriteEdit(IDC_MONTH, PaddedInteger(today.month, 0));
    // Nothing to read: the month is shown empty rather than leaving the wait window up.
    if (!ReadShownMonth(today.year, today.month)) viewer_.ShowEmptyMonth();
    CheckViewRadio();
    ShowView(viewer_.View());
    CloseWaitWindow();
    SetItemText(IDC_UNIT, TimeUnitLabel(viewer_.Options().settings.timeMode));
}

void CViewerDlg::SetSpinRanges() {
    UDACCEL step{0, 1};
    const SpinRange years = YearSpinRange(viewer_.Options().today);
    SendDlgItemMessageW(Hwnd(), IDC_YEAR_SPIN, UDM_SETRANGE32, static_cast<WPARAM>(years.low), years.high);
    SendDlgItemMessageW(Hwnd(), IDC_YEAR_SPIN, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
    SendDlgItemMessageW(Hwnd(), IDC_MONTH_SPIN, UDM_SETRANGE32, static_cast<WPARAM>(kMonthSpinRange.low),
                        kMonthSpinRange.high);
    SendDlgItemMessageW(Hwnd(), IDC_MONTH_SPIN, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
}

void CViewerDlg::AttachButtons() {
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i].Attach(Hwnd(), kButtonFaces[i].id);
}

void CViewerDlg::CloseWaitWindow() {
    if (firstShow_ != -1) return;
    wait_.reset();
    firstShow_ = 1;
}

bool CViewerDlg::ReadShownMonth(int year, int month) {
    const bool read = viewer_.ReadMonth(year, month);
    SetTitle(viewer_.Title());
    return read;
}

void CViewerDlg::ShowView(ViewKind view) {
    // Nothing is built when the month and the view asked for are shown already.
    if (const std::optional<ViewResult> built = viewer_.ShowView(view)) ShowBuilt(*built);
}

void CViewerDlg::ShowBuilt(const ViewResult& built) {
    list_.Show(built.table);
    CheckViewRadio();
    ShowSummary(built.summary);
    WriteEdit(IDC_YEAR, PaddedInteger(viewer_.ShownYear(), 0));
}

void CViewerDlg::ShowSummary(const SummaryTexts& texts) {
    SetItemText(IDC_VIEW_TITLE, texts.title);
    SetItemText(IDC_MONTH_CAPTION, texts.caption);
    SetItemText(IDC_TOTAL, texts.total);
    SetItemText(IDC_COUNT_LABEL, texts.countLabel);
    SetItemText(IDC_COUNT, texts.count);
    SetItemText(IDC_AVERAGE, texts.average);
    SetItemText(IDC_UNIT, texts.unit);
    SetItemText(IDC_GROUP, texts.group);
}

void CViewerDlg::CheckViewRadio() {
    // One by one: the ids of the four radios enclose those of other controls.
    for (ViewKind view : {ViewKind::Calendar, ViewKind::Daily, ViewKind::PerStart, ViewKind::YearMonth})
        CheckDlgButton(Hwnd(), RadioOf(view), view == viewer_.View() ? BST_CHECKED : BST_UNCHECKED);
}

void CViewerDlg::WriteEdit(int id, const std::string& text) {
    if (ItemText(id) == text) return;
    writingEdits_ = true;
    SetItemText(id, text);
    writingEdits_ = false;
}

void CViewerDlg::WriteChosenMonth(const MonthChoice& choice) {
    if (!choice.yearText.empty()) WriteEdit(IDC_YEAR, choice.yearText);
    if (!choice.monthText.empty()) WriteEdit(IDC_MONTH, choice.monthText);
}

void CViewerDlg::OnYearChange() {
    if (!initialised_ || writingEdits_) return;
    const MonthChoice choice =
        YearEdited(ItemText(IDC_YEAR), viewer_.ShownYear(), viewer_.ShownMonth(), viewer_.Options().today);
    WriteChosenMonth(choice);
    if (choice.year != viewer_.LoadedYear() && ReadShownMonth(choice.year, choice.month)) ShowView(ViewKind::Calendar);
}

void CViewerDlg::OnMonthChange() {
    if (!initialised_ || writingEdits_) return;
    const MonthChoice choice = MonthEdited(ItemText(IDC_MONTH), viewer_.ShownYear(), viewer_.ShownMonth(),
                                           viewer_.LoadedMonth(), viewer_.Options().today);
    WriteChosenMonth(choice);
    if (ReadShownMonth(choice.year, choice.month)) ShowView(ViewKind::Calendar);
}

void CViewerDlg::OnCalendar() {
    ShowView(ViewKind::Calendar);
}

void CViewerDlg::OnDaily() {
    ShowView(ViewKind::Daily);
}

void CViewerDlg::OnPerStart() {
    ShowView(ViewKind::PerStart);
}

void CViewerDlg::OnYearMonth() {
    const std::optional<ViewResult> built = viewer_.ShowYearMonth();
    // When the log cannot be read the list keeps what it shows, and the radio its view.
    CheckViewRadio();
    if (!built) return;
    list_.Show(built->table);
    ShowSummary(built->summary);
}

void CViewerDlg::OnLog() {
    const std::string path = EditorLogPath(applicationFolder_, viewer_.Options().settings.secondLog);
    if (!OpenFile(path, "rb")) return;
    context_.runProcess(EditorCommandLine(viewer_.Options().settings.editor, path), kEditorPlacement, Hwnd());
}

void CViewerDlg::OnPeriod() {
    const ViewerSettings& s = viewer_.Options().settings;
    CPeriodDlg({context_.settings, context_.prompts, viewer_.LogPath(), s.timeMode, s.periodViewAtEnd})
        .RunModal(Hwnd());
}

void CViewerDlg::OnGraph() {
    SetItemText(IDC_VIEW_TITLE, kTrendGraphViewTitle);
    CTrendGraphDlg(TrendGraphOpeningOf(viewer_)).RunModal(Hwnd());
    ShowViewTitleAgain();
}

void CViewerDlg::OnChart() {
    SetItemText(IDC_VIEW_TITLE, kChartViewTitle);
    CChartDlg(ChartOpeningOf(viewer_)).RunModal(Hwnd());
    ShowViewTitleAgain();
}

void CViewerDlg::ShowViewTitleAgain() {
    SetItemText(IDC_VIEW_TITLE, ViewTitle(viewer_.View()));
    SetItemText(IDC_MONTH_CAPTION, MonthCaption(viewer_.ShownYear(), viewer_.ShownMonth()));
}

void CViewerDlg::OnSettings() {
    const DisplaySettingsValues values = DisplaySettingsFor(viewer_.Options(), applicationFolder_, context_.settings);
    CDisplaySettingsDlg dialog(values, context_.fileDialogs, [this](HWND owner) -> std::optional<std::string> {
        const std::optional<HistoryImport> import = ImportHistory(owner);
        return import ? std::optional<std::string>(import->path) : std::nullopt;
    });
    dialog.RunModal(Hwnd());
    const AppliedDisplaySettings applied =
        ApplyDisplaySettings(viewer_, values.files.furtherLogs, dialog.Confirmed(), context_.settings,
                             [this](const std::string& text) {
                                 context_.prompts.ShowMessage(Hwnd(), text, kViewerCaption, MB_ICONEXCLAMATION | MB_OK);
                             });
    SetItemText(IDC_UNIT, applied.unitLabel);
    SetTitle(viewer_.Title());
    if (applied.totalShown) SetItemText(IDC_TOTAL, viewer_.Model().totalText);
    if (applied.view) ShowBuilt(*applied.view);
}

std::optional<HistoryImport> CViewerDlg::ImportHistory(HWND owner) {
    SystemFileReplacer replacer;
    std::optional<HistoryImport> import = ImportAsked(
        context_.eventLog, context_.fileDialogs,
        [&](const std::string& question) {
            return context_.prompts.ShowMessage(owner, question, kViewerCaption, MB_ICONEXCLAMATION | MB_YESNO) == IDYES;
        },
        [&](const std::string& text, bool failed) {
            context_.prompts.ShowMessage(owner, text, kViewerCaption, (failed ? MB_ICONEXCLAMATION : MB_ICONINFORMATION) | MB_OK);
        },
        OwnLogPath(applicationFolder_), replacer, WindowsLocalTime);
    if (import && import->outcome != HistoryImport::Outcome::Written) import.reset();
    return import;
}

// The history becomes a further log and the log shown, on the month of its last session.
void CViewerDlg::OnEventHistory() {
    const std::optional<HistoryImport> import = ImportHistory(Hwnd());
    if (!import) return;
    ShowFurtherLog(viewer_.Options().settings, context_.settings, applicationFolder_, import->path);
    const DateTime& last = import->history.last;
    WriteEdit(IDC_YEAR, Format("%d", last.year));
    WriteEdit(IDC_MONTH, Format("%d", last.month));
    if (ReadShownMonth(last.year, last.month)) ShowView(ViewKind::Calendar);
}

void CViewerDlg::OnAbout() {
    CAboutDlg().RunModal(Hwnd());
}

void CViewerDlg::OnHelp() {
    context_.prompts.OpenDocument(Hwnd(), context_.helpDocument);
}

void CViewerDlg::OnOk() {
    End(IDOK);
}

void CViewerDlg::OnCancel() {
    End(IDCANCEL);
}

void CViewerDlg::OnMouseMove(WPARAM, LPARAM lParam) { TrackHelp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }

void CViewerDlg::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    // The controls take their own mouse moves; the pointer over them still names them.
    if (reinterpret_cast<HWND>(wParam) != Hwnd() && HIWORD(lParam) == WM_MOUSEMOVE) {
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(Hwnd(), &at);
        TrackHelp(at.x, at.y);
    }
}

void CViewerDlg::TrackHelp(int x, int y) {
    // Measured at each move: the dialog's units change when it moves to a monitor of another DPI.
    const DialogScale scale = MeasureDialogScale(Hwnd(), kViewerDesignUnits);
    const DrawList drawing = helpLine_.MouseMove(x, y, viewer_.View(), scale);
    if (drawing.Empty()) return;
    ClientDC dc(Hwnd());
    Replay(dc.Get(), drawing);
}

void CViewerDlg::OnRightButtonDown(WPARAM, LPARAM lParam) { ShowPopupMenu(IDR_MENU_VIEWER, lParam); }

LRESULT CViewerDlg::OnSysCommand(WPARAM wParam, LPARAM) {
    if (!IsAboutCommand(wParam)) return FALSE;
    CAboutDlg().RunModal(Hwnd());
    return TRUE;
}

LRESULT CViewerDlg::OnDrawItem(WPARAM, LPARAM lParam) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    for (const BitmapButton& button : buttons_)
        if (button.Draw(item)) return TRUE;
    return FALSE;
}

LRESULT CViewerDlg::OnPaint(WPARAM, LPARAM) { return PaintIconWhileMinimized(bigIcon_.Get()); }

LRESULT CViewerDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(bigIcon_.Get()); }

void CViewerDlg::OnDestroy(WPARAM, LPARAM) {
    wait_.reset();
}

}  // namespace kestrowa
