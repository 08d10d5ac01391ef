#include "recorder/settings/SettingsChoices.h"

#include <algorithm>

#include "shared/RecorderSettings.h"
#include "shared/Strings.h"

namespace kestrowa {

std::optional<std::string> SettingsStatusLine(int tab) {
    switch (tab) {
        case 0: return "「ｽﾀｰﾄｱｯﾌﾟで起動」と「パソコンの起動時刻の補正」は次回起動から有効";
        case 1:
        case 2: return std::string(61, ' ');
        case kLogFileTab: return "ログファイルの変更は｢稼動状況の表示｣ダイアログで行います。";
        default: return std::nullopt;
    }
}

std::optional<size_t> IntervalChoice(int seconds) {
    const auto found = std::find(kIntervalChoices.begin(), kIntervalChoices.end(), seconds);
    if (found == kIntervalChoices.end()) return std::nullopt;
    return static_cast<size_t>(found - kIntervalChoices.begin());
}

int MovedOffset(int offset, int step) {
    static_assert(recorder_key::UpDown.low == recorder_key::LeftRight.low &&
                  recorder_key::UpDown.high == recorder_key::LeftRight.high);
    return std::clamp(offset + step, recorder_key::UpDown.low, recorder_key::UpDown.high);
}

std::string OffsetText(int offset) { return PaddedInteger(offset, 0); }

}  // namespace kestrowa
