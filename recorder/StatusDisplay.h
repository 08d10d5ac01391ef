#pragma once
#include <string>

#include "platform/Clock.h"
#include "platform/Profile.h"
#include "recorder/ElapsedNotice.h"
#include "recorder/SessionRecording.h"
#include "recorder/StatusLayout.h"
#include "shared/RecorderSettings.h"
#include "shared/SessionLog.h"

namespace kestrowa {

// Blank texts of hidden fields.
inline constexpr const char* kMarkBlank = "        ";
inline constexpr const char* kFieldBlank = "            ";
// The mark field as the settings dialog leaves it, until the next tick writes the mark.
inline constexpr const char* kMarkCleared = "　　　 ";

// What the status window shows, second by second: the running time, the titles, the blinking
// mark, the second row and the month figures. Every call returns the StatusUpdate the window
// copies into its controls. It holds the recording of the run, which it ticks and whose shown
// start it measures from, and the elapsed-time notice, which it checks at each full refresh.
class StatusDisplay {
public:
    // Takes the settings from the profile, the in-memory ones at their start values, and
    // StartUpIdok as the recording took it (off in the tray method).
    StatusDisplay(const Clock& clock, const Profile& profile, SessionRecording& recording);

    // The settings as they stand, restart handling (kept by the recording) and notice included.
    RecorderSettings Settings() const;
    // Before the settings dialog opens, whatever becomes of it: a first notice mark already
    // passed moves to the next full hour of running time.
    void BeforeSettingsOpen();
    // Takes over a new value of the settings (the settings dialog's OK). What the window shows by
    // takes effect from the next refresh: the interval counts from there, the title item. The
    // update returned shows at once the end button, the start-mode letter, the cleared mark
    // field and today's count (hidden items blanked), the month figures when their form or
    // switch changed, and a new second-row item or restart handling, switched as its button does
    // and named on the button. A changed notice starts its count afresh.
    StatusUpdate TakeSettings(const RecorderSettings& next);

    // Whole minutes of running time as of the last full refresh.
    int RunningMinutes() const { return runningMinutes_; }

    // After RecordStart, at the first initialisation: the shown start (1005), the start-time
    // title, the end button, the start-mode letter, the mark field, today's count and this
    // month's figures (from the session log), with the hidden items blanked.
    StatusUpdate Initial();

    // The PC woke (SessionRecording::RecordWake). When a new session started: everything Initial() shows, the second row's last
    // end when it shows that, and a full refresh at once, so the new start, running time and
    // title show as after a start; the notice counts from the new running time. Else nothing.
    StatusUpdate Wake(WakeNotice notice);
    // The wall clock or the time zone was set (SessionRecording::CheckClock): when a new session
    // started, what Wake shows for one. Else nothing.
    StatusUpdate ClockChanged();

    // Timer 1, every second: the heartbeat count, then either the blinking mark or, every
    // `interval` ticks, a full refresh (restartTimer set: set timer 1 again) and the notice check
    // (notice set: show it after setting the timer). A heartbeat that started a new session
    // shows it as Wake does.
    StatusUpdate Tick();

    // A full refresh at once (mouse move, buttons): second row, running time, title, and the
    // blanking of hidden items when a repaint asked for it.
    StatusUpdate Refresh();

    // The window was painted while not minimized: the next tick refreshes at once and blanks the
    // hidden items again.
    void RequestRepaint();

    // Start-time button 1054: switches the restart handling (run start or stored PC start shown).
    StatusUpdate ToggleStartTime();
    // Second-row button 1055: current time or the last end of the previous run.
    StatusUpdate ToggleSecondRow();

    // "M" for the manual method and after any restart, "S" for the tray, "A" for Startup folder.
    std::string StartModeLetter() const;
    // This month's total in the chosen form (settings dialog, when `MonthTimeForm` changes).
    std::string MonthTotalText() const;

private:
    // The restart handling switched by the button or the settings dialog: bitmaps, shown start
    // and a full refresh.
    StatusUpdate SwitchStartTime(RestartSwitch by);
    // A session began within the run: shown as after a start, the notice counting from there.
    StatusUpdate NewSession();
    std::vector<Rect> HiddenAreas() const;
    std::string TodayCountText() const;
    std::string Title(std::string shown) const;
    // The month label, total and count as the month switch has them (when the log was read).
    void ShowMonth(StatusUpdate& update) const;
    std::string LastEndText() const;

    const Clock& clock_;
    const Profile& profile_;
    SessionRecording& recording_;
    RecorderSettings settings_;  // its restart handling and notice are not used: see Settings()
    ElapsedNotice notice_;
    int runningMinutes_ = 0;
    MonthSummary month_;  // read by Initial()
    int tickCounter_ = 0;
    int countdownLimit_ = 0;
    bool repaintPending_ = false;
};

}  // namespace kestrowa
