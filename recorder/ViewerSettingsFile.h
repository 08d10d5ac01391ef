#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kestrowa {

// The recorder's two uses of the viewer's settings file (ORVELLE.INI, bytes in the ANSI code
// page): lines are handled as bytes and never re-encoded.

// The line as the rewrite leaves it: one containing "SecondLog" becomes "SecondLog=", then one
// containing "TabNo" becomes "TabNo=1", then one containing "CombSelectNo" becomes
// "CombSelectNo=0"; every other line is unchanged.
std::string ResetViewerSettingsLine(std::string_view line);

// At every start: rewrites the file at `path` with its non-empty lines, each reset as above and
// ended by CR LF, so the viewer opens on the recorder's own log. A file that cannot be opened
// for reading is left alone and none is created. Whole lines are kept, however long or many.
void ResetViewerSettings(const std::string& path);

// After the viewer ends: the text after "SecondLog=" (from the eleventh character) of the first
// line containing "SecondLog"; "" when there is no such line or no file.
std::string ReadViewerSecondLog(const std::string& path);

}  // namespace kestrowa
