#include "recorder/SessionRecording.h"

#include <cctype>

#include "shared/CivilTime.h"
#include "shared/LogLine.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {
inline constexpr int kRestartMinutes = 20;
inline constexpr int kHeartbeatTicks = 30;

// The start-time title of the status window.
std::string StartTitleOf(const DateTime& start) {
    return Format("起動%d月%d日%02d:%02d", start.month, start.day, start.hour, start.minute);
}

// The stored heartbeat as the end repair may copy it into the log: exactly "E yyyy/mm/dd hh:mm"
// of a date of the calendar and a time of the day. Anything else would put a line into the log
// that is no end line, of any length, where every reader expects 16 characters.
bool IsHeartbeat(std::string_view line) {
    constexpr std::string_view shape = "E 9999/99/99 99:99";
    if (line.size() != shape.size()) return false;
    for (size_t i = 0; i < shape.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(line[i])) != 0;
        if (shape[i] == '9' ? !digit : line[i] != shape[i]) return false;
    }
    const DateTime t{ToInt(line.substr(2, 4)), ToInt(line.substr(7, 2)), ToInt(line.substr(10, 2)),
                     ToInt(line.substr(13, 2)), ToInt(line.substr(16, 2)), 0};
    // A day the month does not have comes back from the round trip as a day of the next month.
    return t.month >= 1 && t.month <= 12 && t.hour < 24 && t.minute < 60 && DateTimeFromSeconds(SecondsOf(t)) == t;
}
}  // namespace

SessionRecording::SessionRecording(const Clock& clock, Profile& profile, SessionLog log)
    : clock_(clock), profile_(profile), log_(std::move(log), profile) {
    lastEnd_ = Read(profile_, recorder_key::LastWindwsEnd);
    lastStart_ = Read(profile_, recorder_key::LastStart);
    dayCount_ = Read(profile_, recorder_key::DayCount);
    startMethod_ = static_cast<StartMethod>(Read(profile_, recorder_key::AptnSet));
    endCommandInStartup_ = startMethod_ != StartMethod::Tray && Read(profile_, recorder_key::StartUpIdok) == 1;
    endBarred_ = startMethod_ == StartMethod::Tray;
}

void SessionRecording::RepairEnd() {
    if (!log_.Exists()) return;
    std::string last = log_.LastNonEmptyLine();
    if (!last.empty() && last[0] == 'E') return;
    const std::string heartbeat = Read(profile_, recorder_key::LastWindwsEnd);
    log_.Append(IsHeartbeat(heartbeat) ? heartbeat : "");
}

// A start on the date of the last end (E yyyy/mm/dd hh:mm) within 20 minutes of it or of the
// stored PC start time, or any start on that date in the manual mode. Midnight is not bridged,
// and a last end later than now (the clock put back) counts as close.
bool SessionRecording::IsRestart(const DateTime& now) const {
    const std::string_view endDate = Columns(lastEnd_, 2, 10);
    if (endDate.empty() || startLine_.find(endDate) == std::string::npos) return false;
    int gap = (now.hour - ToInt(Columns(lastEnd_, 13, 2))) * 60 - ToInt(Columns(lastEnd_, 16, 2)) + now.minute;
    bool restartNow = gap < kRestartMinutes;
    if (!restartNow && ToInt(Columns(lastEnd_, 10, 2)) == Read(profile_, recorder_key::PresentDate)) {
        int sincePcStart = (now.hour - Read(profile_, recorder_key::PresentHour)) * 60 -
                           Read(profile_, recorder_key::PresentMinute) + now.minute;
        restartNow = sincePcStart < kRestartMinutes;
    }
    return restartNow || startMethod_ == StartMethod::Manual;
}

void SessionRecording::RecordStart(const std::function<void()>& applyBootCorrection) {
    if (state_ != State::NotInitialised) return;
    StartSession(applyBootCorrection);
    // Whether the user may end the recorder is settled once per run: a wake leaves it as it is.
    if (!restart_) endBarred_ = !endCommandInStartup_;
}

void SessionRecording::StartSession(const std::function<void()>& applyBootCorrection) {
    state_ = State::Initialised;

    started_ = checked_ = ReadClock(clock_);
    const DateTime now = started_.wall;
    shownStart_ = now;
    startLine_ = FullStartLine(now);

    RepairEnd();
    restart_ = IsRestart(now);

    dayCount_ = Columns(startLine_, 2, 10) == Columns(lastStart_, 2, 10) ? dayCount_ + 1 : 1;
    Write(profile_, recorder_key::DayCount, dayCount_);
    lastStart_ = startLine_;
    Write(profile_, recorder_key::LastStart, lastStart_);

    runStart_ = now;
    const auto correction = static_cast<Correction>(Read(profile_, recorder_key::Correct));
    if (startedAtWake_) {
        // The PC did not boot but it started again: the wake, uncorrected, is its start for the
        // running time shown from here on and for a restart of the recorder later that day, as
        // the log counts the sleep out.
        StorePcStart(profile_, now);
    } else if (applyBootCorrection && (restart_ ? correction == Correction::ToBootTime : correction != Correction::None)) {
        applyBootCorrection();
    }

    if (restart_ && restartHandling_ && !startedAtWake_) {
        const DateTime pcStart = StoredPcStart(profile_);
        if (pcStart.year != 0) shownStart_ = pcStart;
    }
    if (!restart_) startLine_ = FullStartLine(shownStart_);
    log_.Append(startLine_);
    startTitle_ = StartTitleOf(shownStart_);
}

void SessionRecording::StartAtWake() {
    wokenSinceSleep_ = true;
    startedAtWake_ = true;
    lastEnd_ = Read(profile_, recorder_key::LastWindwsEnd);
    StartSession({});
}

bool SessionRecording::Tick() {
    return state_ == State::Initialised && ++ticks_ % kHeartbeatTicks == 0 && Heartbeat();
}

bool SessionRecording::Heartbeat() {
    const bool started = CheckClock();
    Write(profile_, recorder_key::LastWindwsEnd, FullEndLine(clock_.Now()));
    log_.Flush();
    return started;
}

bool SessionRecording::CheckClock() {
    if (state_ != State::Initialised) return false;
    const ClockReading now = ReadClock(clock_);
    const ClockComparison seen = CompareClocks(checked_, now);
    switch (seen.event) {
        case ClockEvent::None: checked_ = now; return false;
        case ClockEvent::Sleep:
            WriteEndLine(checked_.wall);
            StartAtWake();
            return true;
        case ClockEvent::Change: TakeClockChange(seen.oldClockNow, now); return true;
    }
    return false;
}

void SessionRecording::TakeClockChange(const DateTime& oldClockNow, const ClockReading& now) {
    WriteEndLine(oldClockNow);
    lastEnd_ = FullEndLine(oldClockNow);
    const std::int64_t moved = SecondsOf(now.wall) - SecondsOf(oldClockNow);
    shownStart_ = AddSeconds(shownStart_, moved);
    runStart_ = AddSeconds(runStart_, moved);
    if (const DateTime pcStart = StoredPcStart(profile_); pcStart.year != 0)
        StorePcStart(profile_, AddSeconds(pcStart, moved));
    startLine_ = FullStartLine(now.wall);
    restart_ = IsRestart(now.wall);
    log_.Append(startLine_);
    // The heartbeat follows the new clock at once: killed before the next one, the end repair
    // must not close the new session with an end of the old clock.
    Write(profile_, recorder_key::LastWindwsEnd, FullEndLine(now.wall));
    startTitle_ = StartTitleOf(shownStart_);
    checked_ = now;
}

void SessionRecording::WriteEndLine(const DateTime& at) {
    const std::string endLine = FullEndLine(at);
    Write(profile_, recorder_key::LastWindwsEnd, endLine);
    log_.Append(endLine);
}

void SessionRecording::RecordEnd() {
    if (state_ == State::NotInitialised) return;
    if (state_ == State::Initialised) WriteEndLine(clock_.Now());
    state_ = State::Ended;
}

void SessionRecording::RecordSleep() {
    if (state_ != State::Initialised) return;
    WriteEndLine(clock_.Now());
    state_ = State::Asleep;
    wokenSinceSleep_ = false;
}

bool SessionRecording::RecordWake(WakeNotice notice) {
    if (state_ == State::Initialised) return CheckClock();
    if (state_ != State::Asleep) return false;
    if (notice == WakeNotice::ByUser && wokenSinceSleep_) return false;
    StartAtWake();
    return true;
}

std::int64_t SessionRecording::RunningSeconds() const {
    return kestrowa::RunningSeconds(started_.unbiased, clock_.UnbiasedMilliseconds(),
                                    SecondsOf(runStart_) - SecondsOf(shownStart_));
}

void SessionRecording::SwitchRestartHandling(RestartSwitch by) {
    const bool ownStartApplies = startMethod_ == StartMethod::Manual || restart_;
    restartHandling_ = !restartHandling_;
    if (!restartHandling_) {
        if (ownStartApplies || by == RestartSwitch::SettingsDialog) shownStart_ = runStart_;
    } else if (const DateTime pcStart = StoredPcStart(profile_); ownStartApplies && pcStart.year != 0) {
        shownStart_ = pcStart;
    }
}

void SessionRecording::TakeEndCommandInStartup(bool offered, StartMethod chosenMethod) {
    if (!restart_ && chosenMethod == StartMethod::StartupFolder) endBarred_ = !offered;
}

std::string SessionRecording::ShownStartText() const { return DateTimeText(shownStart_); }

std::string SessionRecording::EndButtonText() const { return endBarred_ ? "-----" : "終了(OK)"; }

}  // namespace kestrowa
