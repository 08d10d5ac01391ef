#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileDialog.h"
#include "platform/Profile.h"
#include "viewer/MonthViewer.h"

namespace kestrowa {

// The display settings dialog's values and rules, and how the main window takes its result
// over: the dialog and its pages only show these values and report the user's clicks.

// What the 表示項目 page shows and sets; each value is 0 or 1 when it comes from the user, but a
// value handed in may be anything the settings file held.
struct DisplayItems {
    int timeMode = 0;       // 0 = 時:分, 1 = decimal hours
    int monthLabel = 0;     // 0 = starts and average per start, 1 = days and average per day
    int calendarDates = 1;  // 0 = every day, 1 = Sundays and the 1st
    int weekRecord = 1;
    int activityDates = 1;  // the per-start view's date marking
    int hundredMark = 0;
    int dailyViewAtEnd = 1;
    int perStartViewAtEnd = 1;
    int yearMonthViewAtEnd = 1;
    int periodViewAtEnd = 1;
};

// A pair of radio buttons shows a value: 0 checks the first, 1 the second, anything else
// neither. A check box is checked for exactly 1.
bool RadioChecked(int value, int position);
inline bool BoxChecked(int value) { return value == 1; }
// A click on a check box flips its value: 0 becomes 1, anything else 0.
inline int Flipped(int value) { return value == 0 ? 1 : 0; }

// The log list holds the own log, the outside logger's log and at most this many further logs.
inline constexpr int kFurtherLogCount = 8;
using FurtherLogs = std::array<std::string, kFurtherLogCount>;

// What the ファイル page shows and sets.
struct FileChoices {
    int selectedIndex = 0;
    std::string logFile;  // the outside logger's folder, ending with "\" when set
    // The log chosen from the list: kNoLogChange, kOwnLogChoice or a path.
    std::string selectedLog;
    std::string editor;
    FurtherLogs furtherLogs;
};
inline constexpr std::string_view kNoLogChange = "";
inline constexpr std::string_view kOwnLogChoice = "999";
// Item 1 of the list while no folder of the outside logger is set.
inline constexpr std::string_view kNoOutsideLog = "***.***";
inline constexpr std::string_view kOutsideLogName = "MEASONTM.LOG";

// Everything the dialog is handed and, after OK, hands back.
struct DisplaySettingsValues {
    int tab = 1;  // 0 = 表示項目, 1 = ファイル
    DisplayItems items;
    FileChoices files;
    std::string recorderFolder;  // read only: names the own log, item 0
};

// The further logs stored in SubFile2 .. SubFile9, in key order.
FurtherLogs ReadFurtherLogs(const Profile& profile);
// The values the dialog opens with: the main window's and the further logs as stored.
DisplaySettingsValues DisplaySettingsFor(const ViewOptions& options, std::string_view recorderFolder,
                                         const Profile& profile);

// The entries of the log list: 0 the own log, 1 the outside logger's log (or kNoOutsideLog),
// then the further logs. Item i of the combo box shows entry i.
class LogList {
public:
    LogList(std::string_view recorderFolder, std::string_view outsideFolder, const FurtherLogs& further);

    const std::vector<std::string>& Entries() const { return entries_; }
    // The selected log for a choice of entry `index`: kOwnLogChoice for entry 0, kNoLogChange
    // for the placeholder, else the path; nullopt for an index outside the list.
    std::optional<std::string> ChoiceAt(int index) const;
    // Appends a further log; when all further places are taken the oldest one leaves the list.
    // Returns the new entry's index.
    int Append(std::string path);
    // The index of the further log of that path (letter case aside); -1 when it is not listed.
    int IndexOf(std::string_view path) const;
    FurtherLogs Further() const;

private:
    std::vector<std::string> entries_;
};

// What the three 参照 buttons ask the file dialog for: the editor, the outside logger's log
// (whose folder is taken) and a further log.
extern const FileOpenRequest kBrowseEditor;
extern const FileOpenRequest kBrowseOutsideFolder;
extern const FileOpenRequest kBrowseLogFile;

// The ファイル page without its controls: the values, the list, and what each action does to
// them. The page shows Choices() and List().Entries() and calls these on the user's actions.
class FilePageModel {
public:
    FilePageModel(const FileChoices& choices, std::string_view recorderFolder);

    const FileChoices& Choices() const { return choices_; }
    const LogList& List() const { return list_; }

    // An entry of the list was chosen.
    void Select(int index);
    // The file dialogs' answers, "" when cancelled. Each returns whether the page changed: the
    // editor path (lower case), the folder holding the file (case kept), or a new entry of the
    // list (lower case; a path without "." is not a log), which is then selected.
    bool EditorChosen(std::string_view path);
    bool OutsideFolderChosen(std::string_view path);
    bool LogFileChosen(std::string_view path);
    // A history was written at `path`: it is selected, and added first when not yet listed.
    void HistoryWritten(const std::string& path);
    // On OK: what the editor and folder edits hold now. A blank edit keeps the value; a folder
    // gets its closing "\".
    void TakeTyped(std::string_view editor, std::string_view outsideFolder);
    // The values handed back on OK.
    FileChoices Result() const;

private:
    FileChoices choices_;
    LogList list_;
};

// A history written from the main window: it joins the further logs (once) and becomes the log
// shown; the further logs and the choice are written to the settings file.
void ShowFurtherLog(ViewerSettings& settings, Profile& profile, std::string_view recorderFolder,
                    const std::string& path);

// The message shown when the log chosen cannot be opened.
std::string MissingLogMessage(std::string_view path);

// What the main window shows after the dialog closed.
struct AppliedDisplaySettings {
    std::string unitLabel;     // label 1033
    bool totalShown = false;   // the total box shows the model's total text again
    std::optional<ViewResult> view;  // the list and summary built again
};

// Takes the dialog's result over into the main window's values (`confirmed` is empty after
// Cancel), writes what changed and the log choice to the settings file, tests the log in use
// (a log that cannot be opened is reported through `warn` and the own log is used) and builds
// the view again when a change needs it.
AppliedDisplaySettings ApplyDisplaySettings(MonthViewer& viewer, const FurtherLogs& opened,
                                            const std::optional<DisplaySettingsValues>& confirmed, Profile& profile,
                                            const std::function<void(const std::string&)>& warn);

}  // namespace kestrowa
