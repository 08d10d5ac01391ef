#pragma once

namespace kestrowa {

// The viewer's application object: the settings file ORVELLE.INI in the Windows directory, the
// recorder's registry profile for its folder, and the main window run as the program's one
// modal dialog; the program ends with it.
class CViewerApp {
public:
    int Run();
};

}  // namespace kestrowa
