#include "recorder/BootCorrection.h"

#include "shared/CivilTime.h"
#include "shared/RecorderSettings.h"

namespace kestrowa {

std::array<std::string, 2> BootFilePaths(OsFamily family, const std::string& windowsDrive) {
    if (family == OsFamily::Win9x) return {windowsDrive + "\\WINDOWS\\Ndislog.txt", windowsDrive + "\\WINDOWS\\SYSTEM.INI"};
    return {windowsDrive + "\\WINDOWS\\WIASERVC.LOG", windowsDrive + "\\WINDOWS\\BootStat.dat"};
}

DateTime WindowsBootTime(const FileTimes& files, OsFamily family, const std::string& windowsDrive,
                         const Clock& clock) {
    for (const std::string& path : BootFilePaths(family, windowsDrive)) {
        if (std::optional<DateTime> written = files.LastWriteTime(path)) return *written;
    }
    return AddSeconds(clock.Now(), -static_cast<std::int64_t>(clock.TickCount() / 1000));
}

DateTime CorrectedStart(int correct, const DateTime& shownStart, const DateTime& runStart,
                        const std::function<DateTime()>& bootTime) {
    switch (correct) {
        case 0: return runStart;
        case 1:
        case 2:
        case 3: return AddSeconds(shownStart, -60 * correct);
        case 4: return bootTime();
        default: return shownStart;
    }
}

BootCorrection::BootCorrection(const Clock& clock, Profile& profile, const FileTimes& files, OsFamily family,
                               std::string windowsDrive)
    : clock_(clock), profile_(profile), files_(files), family_(family), windowsDrive_(std::move(windowsDrive)) {}

void BootCorrection::Apply(SessionRecording& recording) const {
    ApplyWith(recording, Read(profile_, recorder_key::Correct));
}

bool BootCorrection::ApplyChangedSetting(SessionRecording& recording, int newCorrect) const {
    if (!recording.Restart() && newCorrect == 0) return false;
    ApplyWith(recording, recording.Restart() && newCorrect >= 1 && newCorrect <= 3 ? 0 : newCorrect);
    return true;
}

void BootCorrection::ApplyWith(SessionRecording& recording, int correct) const {
    const DateTime corrected = CorrectedStart(correct, recording.ShownStart(), recording.RunStart(), [this] {
        return WindowsBootTime(files_, family_, windowsDrive_, clock_);
    });
    recording.TakeCorrectedStart(corrected);
    StorePcStart(profile_, corrected);
}

}  // namespace kestrowa
