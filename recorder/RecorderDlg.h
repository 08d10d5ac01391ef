#pragma once
#include <map>
#include <string>

#include "platform/Clock.h"
#include "platform/Directory.h"
#include "platform/FileReplace.h"
#include "platform/Profile.h"
#include "platform/Shell.h"
#include "platform/win/ui/BitmapButton.h"
#include "platform/win/ui/Dialog.h"
#include "platform/win/ui/Gdi.h"
#include "platform/win/ui/MessageBoxes.h"
#include "platform/win/ui/PointerTracking.h"
#include "platform/win/ui/TrayIcon.h"
#include "recorder/BootCorrection.h"
#include "recorder/MouseHints.h"
#include "recorder/RecorderEnvironment.h"
#include "recorder/SessionRecording.h"
#include "recorder/StatusDisplay.h"
#include "recorder/Stopwatch.h"

namespace kestrowa {

// Where this copy of the recorder runs: the Windows drive ("C:"), the family, the folder of the
// program with its trailing backslash, and the viewer's settings file it rewrites at each start.
struct RecorderSystem {
    std::string windowsDrive;
    OsFamily family = OsFamily::Nt;
    std::string applicationFolder;
    std::string viewerSettingsPath;
};

// What the status window is handed by the application (tests hand in fakes).
struct RecorderContext {
    const Clock& clock;
    Profile& profile;
    UserPrompts& prompts;
    const FileTimes& fileTimes;
    // The Startup folder and its shortcuts, and the log's safe rewrite (settings dialog).
    Shell& shell;
    Directory& directory;
    FileReplacer& files;
    RecorderSystem environment;
};

// The status window, template 102: the recorder's only main window for the whole run. It records
// the start when it comes up and the end when it is destroyed, ticks once a second and shows what
// its StatusDisplay computes.
class CRecorderDlg : public DialogWithTable<CRecorderDlg> {
public:
    explicit CRecorderDlg(RecorderContext context);
    static std::span<const MessageEntry<CRecorderDlg>> MessageTable();

    const SessionRecording& Recording() const { return recording_; }
    // The viewer's log as read back after the viewer last ended ("" for the own log).
    const std::string& ViewerLog() const { return viewerLog_; }
    bool TrayIconAdded() const { return tray_.Added(); }
    // The Startup folder the recorder's shortcut goes to, with its trailing backslash.
    const std::string& StartupFolder() const { return startupFolder_; }
    // The hint the mouse shows now; "" when none.
    const std::string& Hint() const { return hints_.Shown(); }

private:
    void OnInitDialog(WPARAM, LPARAM);
    void OnWindowPosChanging(WPARAM, LPARAM);
    void OnShowWindow(WPARAM, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    void OnRightButtonUp(WPARAM, LPARAM);
    void OnTimer(WPARAM, LPARAM);
    void OnTrayNotify(WPARAM, LPARAM);
    void OnPowerBroadcast(WPARAM, LPARAM);
    void OnTimeChange(WPARAM, LPARAM);
    LRESULT OnSysCommand(WPARAM, LPARAM);
    LRESULT OnDrawItem(WPARAM, LPARAM);
    void OnDestroy(WPARAM, LPARAM);
    void OnEnd();
    void OnAppExit();
    void OnMinimize();
    void OnViewer();
    void OnSettings();
    void OnAbout();
    void OnHelp();
    void OnStopwatch();
    void OnStartTimeButton();
    void OnSecondRowButton();
    void OnPointerMove(int x, int y);
    // From the places the status window was laid out for to those of its present font, measured
    // at each use: the dialog's units change when it moves to a monitor of another DPI.
    DialogScale Scale() const;

    void EditSystemMenu();
    void Place();
    void ShowInitially();
    void StartTimer();
    void AddTrayIcon();
    void Apply(const StatusUpdate& update);
    void ShowNotice(const std::string& text);
    HWND OpenNoticeBox() const;
    void Draw(const DrawList& drawing);
    void AttachBitmaps(int id, const BitmapSet& set);
    bool TrayMode() const;

    RecorderContext context_;
    SessionRecording recording_;
    BootCorrection correction_;
    StatusDisplay display_;
    Stopwatch stopwatch_;
    Colour face_;
    MouseHints hints_;
    std::string viewerLog_;
    std::string startupFolder_;
    std::map<int, BitmapButton> buttons_;
    // Follows the pointer over the buttons too, which take its moves for themselves.
    PointerTracking pointer_;
    TrayIcon tray_;
    Icon trayIcon_;
    bool keepHidden_ = false;
    bool timerRunning_ = false;
    bool noticeOpen_ = false;
};

}  // namespace kestrowa
