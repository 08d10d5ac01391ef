#pragma once
#include "recorder/RecorderDlg.h"

namespace kestrowa {

// The recorder's application object: one copy per desktop (mutex "MyInstance"), the registry
// profile under Software\Nimbra, the environment of this Windows, and the status window run as
// the one modal dialog of the program.
class CRecorderApp {
public:
    // Runs the program; returns when the status window has ended or at once for a second copy.
    int Run();

    // Windows drive, family and application folder of the running program and Windows.
    static RecorderSystem CurrentEnvironment();
};

}  // namespace kestrowa
