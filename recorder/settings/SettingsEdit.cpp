#include "recorder/settings/SettingsEdit.h"

#include "recorder/RecorderDlgIds.h"
#include "shared/SessionLog.h"
#include "shared/SessionScanner.h"

namespace kestrowa {

SettingsDialogValues OpenSettings(StatusDisplay& display, const SessionRecording& recording,
                                  const std::string& applicationFolder, const std::string& viewerLog) {
    display.BeforeSettingsOpen();
    SettingsDialogValues values;
    values.settings = display.Settings();
    values.applicationFolder = applicationFolder;
    values.logPath = OwnLogPath(applicationFolder);
    values.currentLog = ChooseLog(values.logPath, viewerLog).path;
    values.runningMinutes = display.RunningMinutes();
    values.restart = recording.Restart();
    return values;
}

SettingsTakeOver TakeEditedSettings(const RecorderSettings& edited, StatusDisplay& display, SessionRecording& recording,
                                    const BootCorrection& correction, Profile& profile) {
    namespace key = recorder_key;
    const RecorderSettings before = display.Settings();
    SettingsTakeOver result;
    if (edited.startMethod == StartMethod::Tray && before.startMethod != StartMethod::Tray) recording.BarEndForTray();

    if (edited.monthTimeForm != before.monthTimeForm) Write(profile, key::MonthTimeForm, edited.monthTimeForm);
    if (edited.stopwatch != before.stopwatch) Write(profile, key::StopWatch, edited.stopwatch ? 1 : 0);
    if (edited.startMethod != before.startMethod) Write(profile, key::AptnSet, edited.startMethod);
    if (edited.endCommandInStartup != before.endCommandInStartup) {
        Write(profile, key::StartUpIdok, edited.endCommandInStartup ? 1 : 0);
        recording.TakeEndCommandInStartup(edited.endCommandInStartup, edited.startMethod);
    }
    if (edited.interval != before.interval) Write(profile, key::Sec, edited.interval);
    if (edited.correction != before.correction) {
        Write(profile, key::Correct, edited.correction);
        if (correction.ApplyChangedSetting(recording, static_cast<int>(edited.correction))) {
            result.update.texts[IDC_START_TIME] = recording.ShownStartText();
            result.placeWindow = true;
        }
    }
    if (edited.showTodayCount != before.showTodayCount) Write(profile, key::DayCountFlag, edited.showTodayCount ? 1 : 0);

    result.update.Merge(display.TakeSettings(edited));

    if (edited.leftRight != before.leftRight || edited.upDown != before.upDown) {
        Write(profile, key::LeftRight, edited.leftRight);
        Write(profile, key::UpDown, edited.upDown);
        result.placeWindow = true;
    }
    if (edited.showMonth != before.showMonth) Write(profile, key::ManthiyTime, edited.showMonth ? 1 : 0);
    return result;
}

}  // namespace kestrowa
