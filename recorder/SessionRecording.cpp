#include "recorder/SessionRecording.h"

#include "shared/LogLine.h"
#include "shared/RecorderSettings.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {
inline constexpr int kRestartMinutes = 20;
inline constexpr int kHeartbeatTicks = 30;
}  // namespace

SessionRecording::SessionRecording(const Clock& clock, Profile& profile, SessionLog log)
    : clock_(clock), profile_(profile), log_(std::move(log)) {
    lastEnd = Read(profile_, recorder_key::LastWindwsEnd);
    lastStart = Read(profile_, recorder_key::LastStart);
    dayCount = Read(profile_, recorder_key::DayCount);
    startMethod = Read(profile_, recorder_key::AptnSet);
    startUpIdok = startMethod == kStartTray ? 0 : Read(profile_, recorder_key::StartUpIdok);
    endBarred = startMethod == kStartTray;
}

void SessionRecording::RepairEnd() {
    if (!log_.Exists()) return;
    std::string last = log_.LastNonEmptyLine();
    if (!last.empty() && last[0] == 'E') return;
    log_.AppendLine(Read(profile_, recorder_key::LastWindwsEnd));
}

// A start on the date of the last end (E yyyy/mm/dd hh:mm) within 20 minutes of it or of the
// stored PC start time, or any start on that date in the manual mode. Midnight is not bridged,
// and a last end later than now (the clock put back) counts as close.
bool SessionRecording::IsRestart(const DateTime& now) const {
    const std::string_view endDate = Columns(lastEnd, 2, 10);
    if (endDate.empty() || startLine.find(endDate) == std::string::npos) return false;
    int gap = (now.hour - ToInt(Columns(lastEnd, 13, 2))) * 60 - ToInt(Columns(lastEnd, 16, 2)) + now.minute;
    bool restartNow = gap < kRestartMinutes;
    if (!restartNow && ToInt(Columns(lastEnd, 10, 2)) == Read(profile_, recorder_key::PresentDate)) {
        int sincePcStart = (now.hour - Read(profile_, recorder_key::PresentHour)) * 60 -
                           Read(profile_, recorder_key::PresentMinute) + now.minute;
        restartNow = sincePcStart < kRestartMinutes;
    }
    return restartNow || startMethod == kStartManual;
}

void SessionRecording::RecordStart(const std::function<void()>& applyBootCorrection) {
    if (state != State::NotInitialised) return;
    state = State::Initialised;

    const DateTime now = clock_.Now();
    shownStart = now;
    startLine = FullStartLine(now);

    RepairEnd();
    restart = IsRestart(now);
    if (!restart) endBarred = startUpIdok != 1;

    dayCount = Columns(startLine, 2, 10) == Columns(lastStart, 2, 10) ? dayCount + 1 : 1;
    Write(profile_, recorder_key::DayCount, dayCount);
    lastStart = startLine;
    Write(profile_, recorder_key::LastStart, lastStart);

    runStart = now;
    const int correct = Read(profile_, recorder_key::Correct);
    if (applyBootCorrection && (restart ? correct == 4 : correct != 0)) applyBootCorrection();

    if (restart && restartHandling && Read(profile_, recorder_key::PresentYear) != 0) {
        shownStart = DateTime{Read(profile_, recorder_key::PresentYear), Read(profile_, recorder_key::PresentMonth),
                              Read(profile_, recorder_key::PresentDate), Read(profile_, recorder_key::PresentHour),
                              Read(profile_, recorder_key::PresentMinute), Read(profile_, recorder_key::PresentSecond)};
    }
    if (!restart) startLine = FullStartLine(shownStart);
    log_.AppendLine(startLine);
    startTitle = Format("起動%d月%d日%02d:%02d", shownStart.month, shownStart.day, shownStart.hour, shownStart.minute);
}

void SessionRecording::Tick() {
    if (++ticks % kHeartbeatTicks == 0) Heartbeat();
}

void SessionRecording::Heartbeat() { Write(profile_, recorder_key::LastWindwsEnd, FullEndLine(clock_.Now())); }

void SessionRecording::RecordEnd() {
    if (state != State::Initialised) return;
    std::string endLine = FullEndLine(clock_.Now());
    Write(profile_, recorder_key::LastWindwsEnd, endLine);
    log_.AppendLine(endLine);
    state = State::Ended;
}

std::string SessionRecording::ShownStartText() const {
    return DateTimeText(shownStart);
}

std::string SessionRecording::EndButtonText() const { return endBarred ? "-----" : "終了(OK)"; }

}  // namespace kestrowa
