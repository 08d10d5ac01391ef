#include "recorder/ElapsedNotice.h"

#include <algorithm>

#include "shared/Strings.h"

namespace kestrowa {

std::optional<std::string> ElapsedNotice::Check(int runningMinutes, bool restart) {
    if (!on) return std::nullopt;
    // Any numbers the user typed: the mark is counted wide enough never to wrap.
    const long long mark = firstMark + static_cast<long long>(interval) * count;
    if (runningMinutes < mark) return std::nullopt;
    ++count;
    return Format(restart ? "再起動後%lld分経過しました！" : "起動後%lld分経過しました！", mark);
}

void ElapsedNotice::BeforeSettingsOpen(int runningMinutes) {
    if (firstMark < runningMinutes) firstMark = runningMinutes / 60 * 60 + 60;
}

void ElapsedNotice::TakeSettings(bool noticeOn, int newFirstMark, int newInterval) {
    if (noticeOn != on || newFirstMark != firstMark || newInterval != interval) count = 0;
    on = noticeOn;
    firstMark = std::max(newFirstMark, 1);
    interval = std::max(newInterval, 1);
}

void ElapsedNotice::StartOver(int runningMinutes) {
    count = runningMinutes < firstMark ? 0 : (runningMinutes - firstMark) / std::max(interval, 1) + 1;
}

std::string NoticeRunningTimeText(int runningMinutes, bool restart) {
    std::string text = restart ? "＜再起動後" : "＜起動後";
    if (runningMinutes > 60) return text + Format("%2d時：%02d分経過！＞", runningMinutes / 60, runningMinutes % 60);
    return text + Format("%d分経過！＞", runningMinutes);
}

std::optional<std::string> FirstMarkWarning(int firstMark, int runningMinutes) {
    if (firstMark >= runningMinutes) return std::nullopt;
    if (runningMinutes > 60)
        return Format("現在の経過時間 %02d時：%02d分より大きい値を指定してください", runningMinutes / 60, runningMinutes % 60);
    return Format("現在の経過時間 %d(分)より大きい値を指定してください", runningMinutes);
}

std::optional<std::string> IntervalWarning(int interval) {
    if (interval >= 1) return std::nullopt;
    return "1分より大きな値を指定してください";
}

}  // namespace kestrowa
