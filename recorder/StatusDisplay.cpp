#include "recorder/StatusDisplay.h"

#include <cstdint>

#include "shared/LogLine.h"
#include "shared/RecorderSettings.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {

constexpr BitmapSet kPcStartBitmaps{"IDB_BITMAP_SYSSTRT", "IDB_BITMAP_SYSSTRT"};
constexpr BitmapSet kRunStartBitmaps{"IDB_BITMAP_SYSREST", "IDB_BITMAP_SYSREST"};
constexpr BitmapSet kCurrentTimeBitmaps{"IDB_BITMAP_TMPRSNT", "IDB_BITMAP_TMPRSNT"};
constexpr BitmapSet kLastEndBitmaps{"IDB_BITMAP_TMACSS", "IDB_BITMAP_TMACSS"};

constexpr int kSecondsPerHour = 3600;

}  // namespace

StatusDisplay::StatusDisplay(const Clock& clock, const Profile& profile, SessionRecording& recording)
    : clock_(clock), profile_(profile), recording_(recording), settings_(ReadRecorderSettings(profile)) {
    settings_.endCommandInStartup = recording_.EndCommandInStartup();
    countdownLimit_ = settings_.interval - 1;
}

RecorderSettings StatusDisplay::Settings() const {
    RecorderSettings settings = settings_;
    settings.restartHandling = recording_.RestartHandling();
    settings.notice = {notice_.on, notice_.firstMark, notice_.interval};
    return settings;
}

void StatusDisplay::BeforeSettingsOpen() { notice_.BeforeSettingsOpen(runningMinutes_); }

StatusUpdate StatusDisplay::TakeSettings(const RecorderSettings& next) {
    const RecorderSettings before = Settings();
    const bool switchRestartHandling = next.restartHandling != recording_.RestartHandling();
    settings_ = next;
    settings_.secondRow = before.secondRow;
    countdownLimit_ = settings_.interval - 1;
    notice_.TakeSettings(next.notice.on, next.notice.firstMark, next.notice.interval);

    StatusUpdate update;
    if (next.monthTimeForm != before.monthTimeForm || next.showMonth != before.showMonth) ShowMonth(update);
    update.texts[IDC_END_BUTTON] = recording_.EndButtonText();
    update.texts[IDC_START_MODE] = settings_.showLetter ? StartModeLetter() : "  ";
    update.texts[IDC_MARK] = kMarkCleared;
    update.texts[IDC_DAY_COUNT] = TodayCountText();
    update.blank = HiddenAreas();
    if (next.secondRow != before.secondRow) {
        update.Merge(ToggleSecondRow());
        update.texts[IDC_SECOND_ROW_BUTTON] = next.secondRow == SecondRowItem::LastEnd ? "前回ｱｸｾｽ" : "現在時刻";
    }
    if (switchRestartHandling) {
        update.Merge(SwitchStartTime(RestartSwitch::SettingsDialog));
        if (!recording_.RestartHandling())
            update.texts[IDC_START_TIME_BUTTON] = "再起動";
        else if (StoredPcStart(profile_).year != 0)
            update.texts[IDC_START_TIME_BUTTON] = "起動時刻";
    }
    return update;
}

std::string StatusDisplay::StartModeLetter() const {
    if (recording_.Restart()) return "M";
    switch (recording_.Method()) {
        case StartMethod::Manual: return "M";
        case StartMethod::Tray: return "S";
        case StartMethod::StartupFolder: return "A";
    }
    return "";
}

std::string StatusDisplay::MonthTotalText() const { return MonthTimeText(month_, static_cast<int>(settings_.monthTimeForm)); }

std::vector<Rect> StatusDisplay::HiddenAreas() const {
    std::vector<Rect> areas;
    if (!settings_.showMark) areas.push_back(kMarkArea);
    if (!settings_.showTodayCount) areas.push_back(kTodayCountArea);
    if (!settings_.showMonth) areas.push_back(kMonthArea);
    return areas;
}

// While lines wait for a log that cannot be written, the title says so instead: a message box at
// every heartbeat would stop the recorder, the title says it once for as long as it lasts.
std::string StatusDisplay::Title(std::string shown) const {
    const LogWriter& writer = recording_.Writer();
    if (writer.HasPending() && writer.Error() != 0) return LogProblemText(writer.Log().Path(), writer.Error());
    return shown;
}

StatusUpdate StatusDisplay::Initial() {
    StatusUpdate update;
    update.texts[IDC_START_TIME] = recording_.ShownStartText();
    update.title = Title(recording_.StartTitle());
    update.texts[IDC_END_BUTTON] = recording_.EndButtonText();
    update.texts[IDC_START_MODE] = settings_.showLetter ? StartModeLetter() : " ";
    update.texts[IDC_MARK] = kMarkBlank;
    update.texts[IDC_DAY_COUNT] = TodayCountText();
    month_ = recording_.Log().SummarizeMonth(clock_.Now());
    ShowMonth(update);
    update.blank = HiddenAreas();
    return update;
}

std::string StatusDisplay::TodayCountText() const {
    return settings_.showTodayCount ? Format("%2d回目の起動", recording_.DayCount()) : kFieldBlank;
}

void StatusDisplay::ShowMonth(StatusUpdate& update) const {
    if (!month_.logPresent) return;
    const bool shown = settings_.showMonth;
    update.texts[IDC_MONTH_LABEL] = shown ? " 今月稼動" : kFieldBlank;
    update.texts[IDC_MONTH_COUNT] = shown ? MonthCountText(month_) : kFieldBlank;
    update.texts[IDC_MONTH_TOTAL] = shown ? MonthTotalText() : kFieldBlank;
}

StatusUpdate StatusDisplay::Wake(WakeNotice notice) { return recording_.RecordWake(notice) ? NewSession() : StatusUpdate{}; }

StatusUpdate StatusDisplay::ClockChanged() { return recording_.CheckClock() ? NewSession() : StatusUpdate{}; }

StatusUpdate StatusDisplay::NewSession() {
    tickCounter_ = 0;
    StatusUpdate update = Initial();
    if (settings_.secondRow == SecondRowItem::LastEnd) update.texts[IDC_SECOND_ROW] = LastEndText();
    update.Merge(Refresh());
    notice_.StartOver(runningMinutes_);
    return update;
}

StatusUpdate StatusDisplay::Tick() {
    if (recording_.Tick()) return NewSession();
    if (tickCounter_ < countdownLimit_) {
        ++tickCounter_;
        StatusUpdate update;
        if (settings_.showMark) update.texts[IDC_MARK] = tickCounter_ % 2 == 1 ? "*****" : "*";
        return update;
    }
    tickCounter_ = 0;
    StatusUpdate update = Refresh();
    update.restartTimer = true;
    update.notice = notice_.Check(runningMinutes_, recording_.Restart());
    return update;
}

StatusUpdate StatusDisplay::Refresh() {
    StatusUpdate update;
    const DateTime now = clock_.Now();
    if (settings_.secondRow == SecondRowItem::CurrentTime) update.texts[IDC_SECOND_ROW] = DateTimeText(now);

    std::int64_t seconds = 0;
    if (recording_.RestartHandling() && settings_.correction == Correction::ToBootTime && !recording_.StartedAtWake()) {
        // Timed from the Windows boot: the system's millisecond count since it started. That count
        // runs on through a sleep, so a session begun at a wake is timed from its shown start.
        const std::uint32_t tick = clock_.TickCount();
        seconds = tick / 1000;
        runningMinutes_ = static_cast<int>(tick / 60000);
        update.texts[IDC_RUNNING_TIME] =
            seconds < kSecondsPerHour
                ? Format("%2d分%02d秒", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60))
                : Format("%2lld時%02d分%02d秒", static_cast<long long>(seconds / 3600),
                         static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    } else {
        // From the counter, which neither a change of the clock nor a run over midnight disturbs.
        seconds = recording_.RunningSeconds();
        runningMinutes_ = static_cast<int>(seconds / 60);
        update.texts[IDC_RUNNING_TIME] =
            seconds < kSecondsPerHour
                ? Format(" %2d分%02d秒", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60))
                : Format("%lld時%02d分%02d秒", static_cast<long long>(seconds / 3600),
                         static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    }

    if (settings_.title == TitleItem::RunningTime) {
        const std::string elapsed =
            seconds < kSecondsPerHour
                ? Format("%2d分%2d秒", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60))
                : Format("%2lld時%2d分%2d秒", static_cast<long long>(seconds / 3600),
                         static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
        update.title = Title(recording_.Restart() ? elapsed + " 経過" : "起動後 " + elapsed);
    } else {
        update.title = Title(recording_.StartTitle());
    }

    if (repaintPending_) {
        update.blank = HiddenAreas();
        repaintPending_ = false;
    }
    return update;
}

void StatusDisplay::RequestRepaint() {
    repaintPending_ = true;
    tickCounter_ = countdownLimit_;
}

StatusUpdate StatusDisplay::ToggleStartTime() { return SwitchStartTime(RestartSwitch::Button); }

StatusUpdate StatusDisplay::SwitchStartTime(RestartSwitch by) {
    StatusUpdate update;
    recording_.SwitchRestartHandling(by);
    if (!recording_.RestartHandling()) {
        update.bitmaps[IDC_START_TIME_BUTTON] = kRunStartBitmaps;
    } else if (StoredPcStart(profile_).year != 0) {
        update.bitmaps[IDC_START_TIME_BUTTON] = kPcStartBitmaps;
    }
    update.texts[IDC_START_TIME] = recording_.ShownStartText();
    update.Merge(Refresh());
    return update;
}

std::string StatusDisplay::LastEndText() const {
    // The heartbeat keeps the four-digit year: shown as it stands, whatever the century.
    return std::string(Columns(recording_.LastEnd(), 2, std::string::npos));
}

StatusUpdate StatusDisplay::ToggleSecondRow() {
    if (settings_.secondRow == SecondRowItem::LastEnd) {
        settings_.secondRow = SecondRowItem::CurrentTime;
        StatusUpdate update = Refresh();
        update.bitmaps[IDC_SECOND_ROW_BUTTON] = kCurrentTimeBitmaps;
        return update;
    }
    settings_.secondRow = SecondRowItem::LastEnd;
    StatusUpdate update;
    update.texts[IDC_SECOND_ROW] = LastEndText();
    update.bitmaps[IDC_SECOND_ROW_BUTTON] = kLastEndBitmaps;
    return update;
}

}  // namespace kestrowa
