#pragma once
#include <functional>
#include <string>

#include "platform/Clock.h"
#include "platform/Profile.h"
#include "recorder/ClockCheck.h"
#include "shared/RecorderSettings.h"
#include "recorder/LogWriter.h"
#include "shared/SessionLog.h"

namespace kestrowa {

// Which of the two wake notices came: the one every wake brings, or the one that follows when the
// user woke the PC.
enum class WakeNotice { Automatic, ByUser };

// Who switched the restart handling: the start-time button or the settings dialog.
enum class RestartSwitch { Button, SettingsDialog };

// What the recorder writes to its log and registry over one run: the end repair and start line
// at the start, the heartbeat while it runs, the end line when the user ends it. A sleep of the
// PC ends the session and the wake starts the next one, within the same run; so do a sleep the
// program was not told of and a change of the wall clock, found by the system's counters. The
// status window owns one and shows its texts.
class SessionRecording {
public:
    enum class State { NotInitialised, Initialised, Asleep, Ended };

    // Reads the stored state (last end, last start, day count, start method) as the status
    // window does when it is constructed.
    SessionRecording(const Clock& clock, Profile& profile, SessionLog log);

    // Appends the repair line and the start line and settles the shown start time. The boot-time
    // correction is called where it applies and may change the shown start and the stored PC start
    // time. Runs once; later calls do nothing.
    void RecordStart(const std::function<void()>& applyBootCorrection);
    // Called on every timer tick (once a second); every 30th is a heartbeat. True when the
    // heartbeat started a new session.
    bool Tick();
    // Checks the clock (CheckClock), leaves the heartbeat and writes the lines the log could not
    // take before. True when a new session started.
    bool Heartbeat();
    // While a session runs: compares the wall clock and the counters with the last check (the
    // session's start or its last heartbeat). A sleep the program was not told of (the tick count
    // ran ahead of the unbiased counter by more than 2 minutes) is recorded as a noticed one: an
    // end line at the last check and a session started as at a wake. A change of the wall clock
    // or the time zone (it moved more than 2 minutes away from the tick count) ends the session
    // at the old clock's time, its last check moved on by the running time measured since, and
    // opens one at the new clock's time: the restart rule against that end, no boot-time
    // correction, the day count and last start untouched; the shown start, the run's start and
    // the stored PC start move with the clock, so the running time shown goes on. True when a
    // new session started.
    bool CheckClock();
    // Appends the end line; only once, and only while a session runs.
    void RecordEnd();

    // The PC goes to sleep: the session ends as at RecordEnd, but the run goes on. No heartbeat
    // follows until the wake. Only while a session runs, so two notices give one end line.
    void RecordSleep();
    // The PC woke: the next session starts as at RecordStart, the restart decision taken against
    // the end the sleep left, but without the boot-time correction (the PC did not boot). The
    // wake becomes the stored PC start time, so that the shown start, a restart's included, is
    // the wake: the sleep is no running time. A wake with no sleep notice before it (the notice
    // can be lost) finds the running session open and checks the clock: the counters tell
    // whether a sleep is still to be recorded (CheckClock). The user's notice starts a session
    // only when no automatic one came since the last sleep, as both come for one wake. True
    // when a session started.
    bool RecordWake(WakeNotice notice);

    // Switches the restart handling. Switched off, the run's own start is shown; switched on, the
    // stored PC start time, when one is stored. The button changes the shown start only in the
    // manual method or after a restart, where the two can differ; the settings dialog, switching
    // it off, shows the run's own start whatever the start was.
    void SwitchRestartHandling(RestartSwitch by);
    // The settings dialog chose the tray method: the user may not end the recorder from now on.
    void BarEndForTray() { endBarred_ = true; }
    // The settings dialog changed `StartUpIdok` (the end command in the Startup-folder method):
    // after a fresh start, with the Startup-folder method now chosen, the end command is offered
    // exactly when it is on. Otherwise this run keeps what it had.
    void TakeEndCommandInStartup(bool offered, StartMethod chosenMethod);
    // The boot-time correction moved the shown start.
    void TakeCorrectedStart(const DateTime& corrected) { shownStart_ = corrected; }

    // Texts of the start as the status window shows them.
    std::string ShownStartText() const;   // control 1005
    std::string EndButtonText() const;    // control 1 (IDOK)

    const SessionLog& Log() const { return log_.Log(); }
    // The lines still waiting for the log, and why.
    const LogWriter& Writer() const { return log_; }
    State CurrentState() const { return state_; }
    // The corrected start the running time is measured from.
    const DateTime& ShownStart() const { return shownStart_; }
    // Whole seconds from the shown start to now: the unbiased counter since the session began,
    // plus the time from the shown start to the session's own start; never below 0.
    std::int64_t RunningSeconds() const;
    // The moment this run began, never corrected.
    const DateTime& RunStart() const { return runStart_; }
    // The start-time title, composed once from the shown start when the start is recorded; it
    // stays as it was when the shown start changes later, but for a change of the clock.
    const std::string& StartTitle() const { return startTitle_; }
    bool Restart() const { return restart_; }
    // The running session began at a wake of the PC rather than with the run.
    bool StartedAtWake() const { return startedAtWake_; }
    // LastWindwsEnd as read at construction, or at the latest wake.
    const std::string& LastEnd() const { return lastEnd_; }
    int DayCount() const { return dayCount_; }
    // The start method this run was started in (AptnSet as read at construction).
    StartMethod Method() const { return startMethod_; }
    // StartUpIdok as this run took it at its start: off in the tray method, whatever is stored.
    bool EndCommandInStartup() const { return endCommandInStartup_; }
    bool EndBarred() const { return endBarred_; }
    bool RestartHandling() const { return restartHandling_; }
    int Ticks() const { return ticks_; }

private:
    void StartSession(const std::function<void()>& applyBootCorrection);
    void StartAtWake();
    void TakeClockChange(const DateTime& oldClockNow, const ClockReading& now);
    void WriteEndLine(const DateTime& at);
    void RepairEnd();
    bool IsRestart(const DateTime& now) const;

    const Clock& clock_;
    Profile& profile_;
    LogWriter log_;
    State state_ = State::NotInitialised;
    DateTime shownStart_;
    DateTime runStart_;
    std::string startLine_;  // four-digit form
    std::string startTitle_;
    bool restart_ = false;
    bool startedAtWake_ = false;
    bool wokenSinceSleep_ = false;
    std::string lastEnd_;
    std::string lastStart_;  // LastStart as read at construction, then this run's start line
    int dayCount_ = 1;
    StartMethod startMethod_ = StartMethod::Manual;
    bool endCommandInStartup_ = false;  // StartUpIdok, forced off in the tray method
    bool endBarred_ = false;
    bool restartHandling_ = RecorderSettings{}.restartHandling;
    int ticks_ = 0;
    ClockReading started_;  // at the running session's start
    ClockReading checked_;  // at its last heartbeat, or its start
};

}  // namespace kestrowa
