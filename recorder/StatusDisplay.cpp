#include "recorder/StatusDisplay.h"

#include <cstdint>

#include "recorder/BootCorrection.h"
#include "recorder/CivilTime.h"
#include "shared/LogLine.h"
#include "shared/RecorderSettings.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {

constexpr BitmapSet kPcStartBitmaps{"IDB_BITMAP_SYSSTRT", "IDB_BITMAP_SYSSTRT", "IDB_BITMAP_SYSREST"};
constexpr BitmapSet kRunStartBitmaps{"IDB_BITMAP_SYSREST", "IDB_BITMAP_SYSREST", "IDB_BITMAP_SYSSTRT"};
constexpr BitmapSet kCurrentTimeBitmaps{"IDB_BITMAP_TMPRSNT", "IDB_BITMAP_TMPRSNT", "IDB_BITMAP_TMACSS"};
constexpr BitmapSet kLastEndBitmaps{"IDB_BITMAP_TMACSS", "IDB_BITMAP_TMACSS", "IDB_BITMAP_TMPRSNT"};

constexpr int kSecondsPerHour = 3600;

}  // namespace

StatusOptions ReadStatusOptions(const Profile& profile) {
    namespace key = recorder_key;
    StatusOptions options;
    options.interval = Read(profile, key::Sec);
    options.correct = Read(profile, key::Correct);
    options.showTodayCount = Read(profile, key::DayCountFlag) != 0;
    options.showMonth = Read(profile, key::ManthiyTime) != 0;
    options.monthTimeForm = Read(profile, key::MonthTimeForm);
    return options;
}

StatusDisplay::StatusDisplay(const Clock& clock, const Profile& profile, SessionRecording& recording)
    : options(ReadStatusOptions(profile)), clock_(clock), profile_(profile), recording_(recording) {
    countdownLimit_ = options.interval - 1;
}

std::string StatusDisplay::StartModeLetter() const {
    if (recording_.restart) return "M";
    switch (recording_.startMethod) {
        case kStartManual: return "M";
        case kStartTray: return "S";
        case kStartStartupFolder: return "A";
        default: return "";
    }
}

std::string StatusDisplay::MonthTotalText() const { return MonthTimeText(month, options.monthTimeForm); }

std::vector<Rect> StatusDisplay::HiddenAreas() const {
    std::vector<Rect> areas;
    if (!options.showMark) areas.push_back(kMarkArea);
    if (!options.showTodayCount) areas.push_back(kTodayCountArea);
    if (!options.showMonth) areas.push_back(kMonthArea);
    return areas;
}

StatusUpdate StatusDisplay::Initial() {
    StatusUpdate update;
    update.texts[IDC_START_TIME] = recording_.ShownStartText();
    update.title = recording_.startTitle;
    update.texts[IDC_END_BUTTON] = recording_.EndButtonText();
    update.texts[IDC_START_MODE] = options.showLetter ? StartModeLetter() : " ";
    update.texts[IDC_MARK] = kMarkBlank;
    update.texts[IDC_DAY_COUNT] =
        options.showTodayCount ? Format("%2d回目の起動", recording_.dayCount) : kFieldBlank;

    month = recording_.Log().SummarizeMonth(clock_.Now());
    if (month.logPresent) {
        if (options.showMonth) {
            update.texts[IDC_MONTH_LABEL] = " 今月稼動";
            update.texts[IDC_MONTH_COUNT] = MonthCountText(month);
            update.texts[IDC_MONTH_TOTAL] = MonthTotalText();
        } else {
            update.texts[IDC_MONTH_LABEL] = kFieldBlank;
            update.texts[IDC_MONTH_COUNT] = kFieldBlank;
            update.texts[IDC_MONTH_TOTAL] = kFieldBlank;
        }
    }
    update.blank = HiddenAreas();
    return update;
}

StatusUpdate StatusDisplay::Tick() {
    recording_.Tick();
    if (tickCounter_ < countdownLimit_) {
        ++tickCounter_;
        StatusUpdate update;
        if (options.showMark) update.texts[IDC_MARK] = tickCounter_ % 2 == 1 ? "*****" : "*";
        return update;
    }
    tickCounter_ = 0;
    StatusUpdate update = Refresh();
    update.restartTimer = true;
    update.notice = notice.Check(runningMinutes, recording_.restart);
    return update;
}

StatusUpdate StatusDisplay::Refresh() {
    StatusUpdate update;
    const DateTime now = clock_.Now();
    if (!secondRowShowsLastEnd) update.texts[IDC_SECOND_ROW] = DateTimeText(now);

    int seconds = 0;
    if (recording_.restartHandling && options.correct == 4) {
        // Timed from the Windows boot: the system's millisecond count since it started.
        const std::uint32_t tick = clock_.TickCount();
        seconds = static_cast<int>(tick / 1000);
        runningMinutes = static_cast<int>(tick / 60000);
        update.texts[IDC_RUNNING_TIME] =
            seconds < kSecondsPerHour
                ? Format("%2d分%02d秒", seconds / 60, seconds % 60)
                : Format("%2d時%02d分%02d秒", seconds / 3600, seconds / 60 % 60, seconds % 60);
    } else {
        // From the full date and time of the shown start, so that runs over a day keep counting.
        seconds = static_cast<int>(SecondsOf(now) - SecondsOf(recording_.shownStart));
        runningMinutes = seconds / 60;
        update.texts[IDC_RUNNING_TIME] =
            seconds < kSecondsPerHour
                ? Format(" %2d分%02d秒", seconds / 60, seconds % 60)
                : Format("%d時%02d分%02d秒", seconds / 3600, seconds / 60 % 60, seconds % 60);
    }

    if (titleShowsRunningTime) {
        const std::string elapsed = seconds < kSecondsPerHour
                                        ? Format("%2d分%2d秒", seconds / 60, seconds % 60)
                                        : Format("%2d時%2d分%2d秒", seconds / 3600, seconds / 60 % 60, seconds % 60);
        update.title = recording_.restart ? elapsed + " 経過" : "起動後 " + elapsed;
    } else if (startTimeTitleChosen) {
        update.title = recording_.startTitle;
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

void StatusDisplay::SetInterval(int seconds) {
    options.interval = seconds;
    countdownLimit_ = seconds - 1;
}

StatusUpdate StatusDisplay::ToggleStartTime() {
    StatusUpdate update;
    const bool ownStartApplies = recording_.startMethod == kStartManual || recording_.restart;
    if (recording_.restartHandling) {
        recording_.restartHandling = false;
        if (ownStartApplies) recording_.shownStart = recording_.runStart;
        update.bitmaps[IDC_START_TIME_BUTTON] = kRunStartBitmaps;
    } else {
        recording_.restartHandling = true;
        if (Read(profile_, recorder_key::PresentYear) != 0) {
            if (ownStartApplies) recording_.shownStart = StoredPcStart(profile_);
            update.bitmaps[IDC_START_TIME_BUTTON] = kPcStartBitmaps;
        }
    }
    update.texts[IDC_START_TIME] = recording_.ShownStartText();
    update.Merge(Refresh());
    return update;
}

StatusUpdate StatusDisplay::ToggleSecondRow() {
    if (secondRowShowsLastEnd) {
        secondRowShowsLastEnd = false;
        StatusUpdate update = Refresh();
        update.bitmaps[IDC_SECOND_ROW_BUTTON] = kCurrentTimeBitmaps;
        return update;
    }
    secondRowShowsLastEnd = true;
    StatusUpdate update;
    update.texts[IDC_SECOND_ROW] = "20" + std::string(Columns(recording_.lastEnd, 4, std::string::npos));
    update.bitmaps[IDC_SECOND_ROW_BUTTON] = kLastEndBitmaps;
    return update;
}

}  // namespace kestrowa
