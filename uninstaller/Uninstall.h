#pragma once
#include <string>
#include <vector>

#include "platform/Directory.h"
#include "platform/KeyRemover.h"
#include "shared/DrawList.h"
#include "uninstaller/SweepraDoc.h"

namespace kestrowa {

inline constexpr Colour kReportBackground = 0x0000C8;
inline constexpr Colour kReportTextColour = 0xFFFFFF;

// The view's whole client area of width × height pixels as a rectangle in the report's
// background, outlined with the device context's own pen.
DrawList ReportBackground(int width, int height);
// One text of the report at its place in the view, in pixels from the top-left corner: white in
// the report font ("ＭＳ ゴシック", height 20, weight 600), without background.
DrawList ReportLine(int x, int y, std::string text);

// Receives the report while the uninstall runs, so the user sees each step as it happens.
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void Draw(const DrawList& part) = 0;
};

// What lies in the application folder: its direct subfolders, and the files of the folder
// itself (without the uninstaller) and of each subfolder.
struct FolderScan {
    std::vector<std::string> folders;
    // files[0]: the application folder; files[g]: the subfolder folders[g - 1].
    std::vector<std::vector<std::string>> files;
};

// Folders inside subfolders, and linked folders, are not looked into.
FolderScan ScanAppFolder(const Directory& directory, const std::string& appFolder);

// The title of the main window while the run is confirmed.
inline constexpr const char* kStartTitle = "Sweepra.exe Ver1.11";
std::string TitleAfterRecognition(int row);

// The whole uninstall once both confirmations were answered with OK: scan, recognise, read
// the list, delete the listed files and folders, then the row's registry keys, reporting each
// step. Deletes nothing outside the application folder and its direct subfolders, never the
// folder itself nor the uninstaller; what it cannot remove without reaching something else it
// leaves and names in the report. Returns the recognised row.
int RunUninstall(CSweepraDoc& doc, Directory& directory, KeyRemover& keys, ReportSink& report);

}  // namespace kestrowa
