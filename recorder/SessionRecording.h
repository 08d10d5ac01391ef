#pragma once
#include <functional>
#include <string>

#include "platform/Clock.h"
#include "platform/Profile.h"
#include "shared/SessionLog.h"

namespace kestrowa {

// What the recorder writes to its log and registry over one run: the end repair and start line
// at the start, the heartbeat while it runs, the end line when the user ends it. The status
// window owns one and shows its texts.
class SessionRecording {
public:
    enum class State { NotInitialised, Initialised, Ended };

    // Reads the stored state (last end, last start, day count, start method) as the status
    // window does when it is constructed.
    SessionRecording(const Clock& clock, Profile& profile, SessionLog log);

    // Appends the repair line and the start line and settles the shown start time. The boot-time
    // correction is called where it applies and may change `shownStart` and the stored PC start
    // time. Runs once; later calls do nothing.
    void RecordStart(const std::function<void()>& applyBootCorrection);
    // Called on every timer tick (once a second); every 30th leaves the heartbeat.
    void Tick();
    void Heartbeat();
    // Appends the end line; only once, and only after the start was recorded.
    void RecordEnd();

    // Texts of the start as the status window shows them.
    std::string ShownStartText() const;   // control 1005
    std::string EndButtonText() const;    // control 1 (IDOK)

    const SessionLog& Log() const { return log_; }
    State state = State::NotInitialised;
    DateTime shownStart;   // corrected start the running time is measured from
    DateTime runStart;     // the moment this run began, never corrected
    std::string startLine; // four-digit form
    // The start-time title, composed once from the shown start when the start is recorded; it
    // stays as it was when the shown start changes later.
    std::string startTitle;
    bool restart = false;
    std::string lastEnd;   // LastWindwsEnd as read at construction
    std::string lastStart; // LastStart as read at construction, then this run's start line
    int dayCount = 1;
    int startMethod = 0;   // AptnSet
    int startUpIdok = 0;   // forced to 0 in the tray mode
    bool endBarred = false;
    bool restartHandling = true;
    int ticks = 0;

private:
    void RepairEnd();
    bool IsRestart(const DateTime& now) const;

    const Clock& clock_;
    Profile& profile_;
    SessionLog log_;
};

}  // namespace kestrowa
