#pragma once
#include <string>

#include "shared/RecorderSettings.h"

namespace kestrowa {

// What the settings dialog is handed by the status window: the settings it edits (taken over
// only when the dialog is confirmed) and what its pages show besides.
struct SettingsDialogValues {
    RecorderSettings settings;
    std::string applicationFolder;
    std::string logPath;
    // The log the viewer reads now: the one it was last set to, or the recorder's own log.
    std::string currentLog;
    int runningMinutes = 0;  // when the dialog opened
    bool restart = false;    // this run is a restart
};

}  // namespace kestrowa
