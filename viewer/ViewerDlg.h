#pragma once
#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/Profile.h"
#include "platform/win/ui/BitmapButton.h"
#include "platform/win/ui/Dialog.h"
#include "platform/win/ui/Gdi.h"
#include "platform/win/ui/ListView.h"
#include "platform/win/ui/MessageBoxes.h"
#include "platform/win/os/EventLog.h"
#include "platform/win/os/Process.h"
#include "viewer/HelpLine.h"
#include "viewer/MonthSelection.h"
#include "viewer/MonthViewer.h"
#include "shared/Table.h"
#include "viewer/Views.h"
#include "viewer/history/EventHistory.h"

namespace kestrowa {

class CWaitDlg;

// Starts a program and waits for it to end (the editor on the log); tests put in their own.
using ProcessRunner = std::function<bool(const std::string& commandLine, const WindowPlacementHint& placement,
                                         HWND blocked)>;

// What the main window is handed by the application (tests hand in fakes).
struct ViewerContext {
    const Clock& clock;
    Profile& settings;               // ORVELLE.INI
    const Profile& recorderProfile;  // the recorder's registry profile, for AppDir
    UserPrompts& prompts;
    FileDialogs& fileDialogs;
    std::string windowsDirectory;  // without a trailing backslash
    std::string helpDocument;      // the help page shipped beside the program
    ProcessRunner runProcess = RunProcessAndWait;
    SystemEventLog& eventLog = TheSystemEventLog();
};

// The viewer's main window, template 102: one month of the log in one of four views, the
// summary of the month above it, the year and month selectors and the help line below.
class CViewerDlg : public DialogWithTable<CViewerDlg> {
public:
    explicit CViewerDlg(ViewerContext context);
    ~CViewerDlg() override;
    static std::span<const MessageEntry<CViewerDlg>> MessageTable();

    ViewKind View() const { return viewer_.View(); }
    int ShownYear() const { return viewer_.ShownYear(); }
    int ShownMonth() const { return viewer_.ShownMonth(); }
    // The text the help line shows now; "" while it is cleared.
    const std::string& HelpLine() const { return helpLine_.Shown(); }
    bool WaitWindowOpen() const { return static_cast<bool>(wait_); }

private:
    void OnInitDialog(WPARAM, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    void OnMouseMove(WPARAM, LPARAM);
    void OnSetCursor(WPARAM, LPARAM);
    void OnRightButtonDown(WPARAM, LPARAM);
    LRESULT OnSysCommand(WPARAM, LPARAM);
    LRESULT OnDrawItem(WPARAM, LPARAM);
    void OnDestroy(WPARAM, LPARAM);
    void OnOk();
    void OnCancel();
    void OnCalendar();
    void OnDaily();
    void OnPerStart();
    void OnYearMonth();
    void OnSettings();
    void OnLog();
    void OnPeriod();
    void OnGraph();
    void OnChart();
    void OnAbout();
    void OnHelp();
    void OnEventHistory();
    void OnYearChange();
    void OnMonthChange();

    void SetSpinRanges();
    void AttachButtons();
    void CloseWaitWindow();
    bool ReadShownMonth(int year, int month);
    void ShowView(ViewKind view);
    void ShowBuilt(const ViewResult& built);
    void ShowSummary(const SummaryTexts& texts);
    // After the graph or the chart: the view's title and the month caption again.
    void ShowViewTitleAgain();
    void CheckViewRadio();
    void WriteEdit(int id, const std::string& text);
    void WriteChosenMonth(const MonthChoice& choice);
    void TrackHelp(int x, int y);
    // Reads the history from before the own log (from the System log, or from an export the user
    // chooses where that cannot be read) with message boxes owned by `owner`; the history's path
    // when it was written.
    std::optional<HistoryImport> ImportHistory(HWND owner);

    ViewerContext context_;
    // The settings, the shown month, its model and the key of the list last built; the same
    // logic gives orvelle-report its cells.
    MonthViewer viewer_;
    std::string applicationFolder_;  // the recorder's AppDir, read at the first initialisation
    ListView list_;
    std::unique_ptr<Modeless<CWaitDlg>> wait_;
    bool initialised_ = false;
    int firstShow_ = -1;
    // Set while the window writes the year and month edits itself, so that those writes are
    // not taken for the user's changes.
    bool writingEdits_ = false;
    std::array<BitmapButton, 5> buttons_;
    Icon bigIcon_;
    Icon smallIcon_;
    kestrowa::HelpLine helpLine_;
};

}  // namespace kestrowa
