#pragma once
#include <string>

#include "platform/Profile.h"
#include "recorder/BootCorrection.h"
#include "recorder/SessionRecording.h"
#include "recorder/StatusDisplay.h"
#include "recorder/settings/SettingsDialogValues.h"

namespace kestrowa {

// Before the settings dialog opens: a first notice mark already passed moves on to the next full
// hour of running time (whether the dialog is then confirmed or not), and the dialog is handed
// the settings as they stand, the log paths (the viewer's log, or the own log when the viewer
// reads that) and the running time.
SettingsDialogValues OpenSettings(StatusDisplay& display, const SessionRecording& recording,
                                  const std::string& applicationFolder, const std::string& viewerLog);

// What the status window does with a confirmed dialog besides showing `update`.
struct SettingsTakeOver {
    StatusUpdate update;
    bool placeWindow = false;  // the offsets changed, or a new correction moved the shown start
};

// Takes over the settings of a confirmed dialog. Each stored value that changed is written, in
// this order: MonthTimeForm, StopWatch, AptnSet, StartUpIdok, Sec, Correct, DayCountFlag,
// LeftRight and UpDown, ManthiyTime; the others are left alone. Choosing the tray method bars the
// end command at once; a changed StartUpIdok decides it after a fresh start in the Startup-folder
// method; a changed correction is applied to the shown start. The display takes over the rest
// (StatusDisplay::TakeSettings).
SettingsTakeOver TakeEditedSettings(const RecorderSettings& edited, StatusDisplay& display, SessionRecording& recording,
                                    const BootCorrection& correction, Profile& profile);

}  // namespace kestrowa
