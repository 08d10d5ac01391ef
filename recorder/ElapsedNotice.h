#pragma once
#include <optional>
#include <string>

#include "shared/RecorderSettings.h"

namespace kestrowa {

// Caption of the notice box (exclamation icon, OK button, owned by the status window).
inline constexpr const char* kNoticeCaption = "　経過時間のお知らせ";

// The elapsed-time notice: a box when the running minutes reach the first mark, then one every
// interval. Held in memory only; every start of the recorder begins with it off.
class ElapsedNotice {
public:
    bool on = NoticeSettings{}.on;
    int firstMark = NoticeSettings{}.firstMark;
    int interval = NoticeSettings{}.interval;
    int count = 0;  // notices shown since the schedule was last reset

    // At the end of every full refresh: the text of the box to show now, if any. At most one per
    // call, so notices that fell behind come one per refresh. The count is raised here, before
    // the box opens, so ticks that arrive while it is open do not repeat it.
    std::optional<std::string> Check(int runningMinutes, bool restart);

    // Before the settings dialog opens, confirmed or not: a first mark already passed moves to the
    // next full hour of running time. The count stays.
    void BeforeSettingsOpen(int runningMinutes);

    // The settings dialog was confirmed with these values: any change resets the count, and a
    // first mark or interval below 1 becomes 1.
    void TakeSettings(bool noticeOn, int newFirstMark, int newInterval);

    // A session started at a wake, its running time counted afresh or from the PC's start: the
    // marks it has already passed are not announced, the next one ahead is.
    void StartOver(int runningMinutes);
};

// Text 1058 of the notice page: the running time when the settings dialog opened.
std::string NoticeRunningTimeText(int runningMinutes, bool restart);
// Warnings of the notice page when an edit loses the focus (exclamation icon); the value is kept
// either way. First mark (edit 1040) below the running minutes; interval (edit 1044) below 1.
std::optional<std::string> FirstMarkWarning(int firstMark, int runningMinutes);
std::optional<std::string> IntervalWarning(int interval);

}  // namespace kestrowa
