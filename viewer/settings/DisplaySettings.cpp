#include "viewer/settings/DisplaySettings.h"

#include "platform/File.h"
#include "shared/SessionLog.h"
#include "viewer/ViewerSettings.h"
#include "viewer/Views.h"

namespace kestrowa {

namespace {

constexpr size_t kFirstFurtherEntry = 2;

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Which keys the apply step writes, collected while the values are taken over.
struct Marks {
    bool logFile = false;
    bool editor = false;
    bool lastPositions = false;
    bool settingsPage = false;
    bool chosenLog = false;
    bool hundredMark = false;
    bool weekRecord = false;
    bool timeTexts = false;  // TimeMode and MonthLabel, always together
};

struct Flags {
    bool redisplay = false;
    bool logChanged = false;
    bool toCalendar = false;
};

// Takes over what the user confirmed, marking the keys to write and the redisplay it needs.
void TakeOver(ViewOptions& options, const DisplaySettingsValues& r, Marks& marks, Flags& flags) {
    ViewerSettings& s = options.settings;
    const DisplayItems& items = r.items;
    if (items.calendarDates != options.calendarDates || items.activityDates != options.perStartDates)
        flags.redisplay = true;
    options.calendarDates = items.calendarDates;
    options.perStartDates = items.activityDates;
    if (r.files.logFile != s.logFile) {
        s.logFile = r.files.logFile;
        marks.logFile = true;
    }
    if (r.files.editor != s.editor) {
        s.editor = r.files.editor;
        marks.editor = true;
    }
    if (items.timeMode != s.timeMode) {
        s.timeMode = items.timeMode;
        flags.redisplay = marks.timeTexts = true;
    }
    if (r.files.selectedIndex != s.chosenLog) {
        s.chosenLog = r.files.selectedIndex;
        marks.chosenLog = true;
    }
    // Marked 次回から有効: the year-month view shows it the next time it is built.
    if (items.hundredMark != s.hundredMark) {
        s.hundredMark = items.hundredMark;
        marks.hundredMark = true;
    }
    // Choosing the own log while it is in use still counts as a change: "999" is not "".
    if (r.files.selectedLog != kNoLogChange && r.files.selectedLog != s.secondLog) {
        s.secondLog = r.files.selectedLog == kOwnLogChoice ? std::string() : r.files.selectedLog;
        flags.toCalendar = flags.redisplay = flags.logChanged = true;
    }
    if (r.tab != s.settingsPage) {
        s.settingsPage = r.tab;
        marks.settingsPage = true;
    }
    if (items.dailyViewAtEnd != s.dailyViewAtEnd || items.perStartViewAtEnd != s.perStartViewAtEnd ||
        items.yearMonthViewAtEnd != s.yearMonthViewAtEnd || items.periodViewAtEnd != s.periodViewAtEnd)
        marks.lastPositions = true;
    s.dailyViewAtEnd = items.dailyViewAtEnd;
    s.perStartViewAtEnd = items.perStartViewAtEnd;
    s.yearMonthViewAtEnd = items.yearMonthViewAtEnd;
    s.periodViewAtEnd = items.periodViewAtEnd;
    if (items.weekRecord != s.weekRecord) {
        s.weekRecord = items.weekRecord;
        flags.redisplay = marks.weekRecord = true;
    }
    if (items.monthLabel != s.monthLabel) {
        s.monthLabel = items.monthLabel;
        flags.redisplay = marks.timeTexts = true;
    }
}

void WriteMarked(Profile& profile, const ViewerSettings& s, const Marks& marks) {
    using namespace viewer_key;
    if (marks.logFile) WriteViewer(profile, LogFile, s.logFile);
    if (marks.editor) WriteViewer(profile, Editor, s.editor);
    if (marks.lastPositions) {
        WriteViewer(profile, MnthLastPosition, s.dailyViewAtEnd);
        WriteViewer(profile, DayLastPosition, s.perStartViewAtEnd);
        WriteViewer(profile, CarrerLastPosition, s.yearMonthViewAtEnd);
        WriteViewer(profile, PeriodLastPosition, s.periodViewAtEnd);
    }
    if (marks.settingsPage) WriteViewer(profile, TabNo, s.settingsPage);
    if (marks.chosenLog) WriteViewer(profile, CombSelectNo, s.chosenLog);
    if (marks.hundredMark) WriteViewer(profile, HundredMark, s.hundredMark);
    if (marks.weekRecord) WriteViewer(profile, WeekRecord, s.weekRecord);
}

// The further logs closed up from SubFile2 on. The keys above the last one written are
// emptied, so that a log removed or moved up is not listed twice the next time.
void WriteFurtherLogs(Profile& profile, const FurtherLogs& logs) {
    int key = viewer_key::kFirstSubFile;
    for (const std::string& log : logs)
        if (!log.empty()) profile.WriteText(kViewerSection, SubFileKey(key++), log);
    for (; key <= viewer_key::kLastSubFile; ++key)
        if (!profile.ReadText(kViewerSection, SubFileKey(key), "").empty())
            profile.WriteText(kViewerSection, SubFileKey(key), "");
}

}  // namespace

const FileOpenRequest kBrowseEditor{"exe files (*.exe)|*.exe|All files (*.*)|*.*||", "exe", "*.exe"};
const FileOpenRequest kBrowseOutsideFolder{
    "log files (*.log)|*.log|SEM files (*.sem)|*.sem|DAT files (*.dat)|*.dat|All files (*.*)|*.*||", "log", "*.log"};
const FileOpenRequest kBrowseLogFile{"dat files (*.dat)|*.dat|txt files (*.txt)|*.txt|All files (*.*)|*.*||", "dat",
                                     "*.dat"};

bool RadioChecked(int value, int position) { return value == position && (value == 0 || value == 1); }

FurtherLogs ReadFurtherLogs(const Profile& profile) {
    FurtherLogs logs;
    for (int i = 0; i < kFurtherLogCount; ++i)
        logs[static_cast<size_t>(i)] = profile.ReadText(kViewerSection, SubFileKey(viewer_key::kFirstSubFile + i), "");
    return logs;
}

DisplaySettingsValues DisplaySettingsFor(const ViewOptions& options, std::string_view recorderFolder,
                                         const Profile& profile) {
    const ViewerSettings& s = options.settings;
    DisplaySettingsValues v;
    v.tab = s.settingsPage;
    v.items.timeMode = s.timeMode;
    v.items.monthLabel = s.monthLabel;
    v.items.calendarDates = options.calendarDates;
    v.items.weekRecord = s.weekRecord;
    v.items.activityDates = options.perStartDates;
    v.items.hundredMark = s.hundredMark;
    v.items.dailyViewAtEnd = s.dailyViewAtEnd;
    v.items.perStartViewAtEnd = s.perStartViewAtEnd;
    v.items.yearMonthViewAtEnd = s.yearMonthViewAtEnd;
    v.items.periodViewAtEnd = s.periodViewAtEnd;
    v.files = {s.chosenLog, s.logFile, s.secondLog, s.editor, ReadFurtherLogs(profile)};
    v.recorderFolder = std::string(recorderFolder);
    return v;
}

LogList::LogList(std::string_view recorderFolder, std::string_view outsideFolder, const FurtherLogs& further) {
    entries_.push_back(OwnLogPath(recorderFolder, LogNameCase::Capitals));
    entries_.push_back(outsideFolder.empty() ? std::string(kNoOutsideLog)
                                             : std::string(outsideFolder) + std::string(kOutsideLogName));
    // Closed up here too, so that entry i is item i even when the stored keys have gaps.
    for (const std::string& log : further)
        if (!log.empty()) entries_.push_back(log);
}

std::optional<std::string> LogList::ChoiceAt(int index) const {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return std::nullopt;
    if (index == 0) return std::string(kOwnLogChoice);
    const std::string& entry = entries_[static_cast<size_t>(index)];
    return entry == kNoOutsideLog ? std::string(kNoLogChange) : entry;
}

int LogList::Append(std::string path) {
    if (entries_.size() == kFirstFurtherEntry + kFurtherLogCount)
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(kFirstFurtherEntry));
    entries_.push_back(std::move(path));
    return static_cast<int>(entries_.size()) - 1;
}

int LogList::IndexOf(std::string_view path) const {
    for (size_t i = kFirstFurtherEntry; i < entries_.size(); ++i)
        if (LowerAscii(entries_[i]) == LowerAscii(path)) return static_cast<int>(i);
    return -1;
}

FurtherLogs LogList::Further() const {
    FurtherLogs further;
    for (size_t i = kFirstFurtherEntry; i < entries_.size(); ++i) further[i - kFirstFurtherEntry] = entries_[i];
    return further;
}

FilePageModel::FilePageModel(const FileChoices& choices, std::string_view recorderFolder)
    : choices_(choices), list_(recorderFolder, choices.logFile, choices.furtherLogs) {}

void FilePageModel::Select(int index) {
    std::optional<std::string> choice = list_.ChoiceAt(index);
    if (!choice) return;
    choices_.selectedIndex = index;
    choices_.selectedLog = std::move(*choice);
}

bool FilePageModel::EditorChosen(std::string_view path) {
    if (path.empty()) return false;
    choices_.editor = LowerAscii(path);
    return true;
}

bool FilePageModel::OutsideFolderChosen(std::string_view path) {
    const size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos) return false;
    // The list keeps showing the old folder's log until the dialog is opened again.
    choices_.logFile = std::string(path.substr(0, slash + 1));
    return true;
}

bool FilePageModel::LogFileChosen(std::string_view path) {
    if (path.find('.') == std::string_view::npos) return false;
    Select(list_.Append(LowerAscii(path)));
    return true;
}

void FilePageModel::HistoryWritten(const std::string& path) {
    const int listed = list_.IndexOf(path);
    Select(listed >= 0 ? listed : list_.Append(path));
}

void FilePageModel::TakeTyped(std::string_view editor, std::string_view outsideFolder) {
    editor = TrimBlanks(editor);
    if (!editor.empty()) choices_.editor = std::string(editor);
    outsideFolder = TrimBlanks(outsideFolder);
    if (outsideFolder.empty()) return;
    choices_.logFile = std::string(outsideFolder);
    if (choices_.logFile.back() != '\\') choices_.logFile += '\\';
}

FileChoices FilePageModel::Result() const {
    FileChoices result = choices_;
    result.furtherLogs = list_.Further();
    return result;
}

void ShowFurtherLog(ViewerSettings& settings, Profile& profile, std::string_view recorderFolder,
                    const std::string& path) {
    LogList list(recorderFolder, settings.logFile, ReadFurtherLogs(profile));
    const int listed = list.IndexOf(path);
    const int index = listed >= 0 ? listed : list.Append(path);
    WriteFurtherLogs(profile, list.Further());
    settings.secondLog = path;
    settings.chosenLog = index;
    WriteViewer(profile, viewer_key::SecondLog, settings.secondLog);
    WriteViewer(profile, viewer_key::CombSelectNo, settings.chosenLog);
}

std::string MissingLogMessage(std::string_view path) {
    return "ログファイル " + std::string(path) + " が見つかりません！";
}

AppliedDisplaySettings ApplyDisplaySettings(MonthViewer& viewer, const FurtherLogs& opened,
                                            const std::optional<DisplaySettingsValues>& confirmed, Profile& profile,
                                            const std::function<void(const std::string&)>& warn) {
    ViewOptions& options = viewer.Options();
    ViewerSettings& s = options.settings;
    Marks marks;
    Flags flags;
    FurtherLogs further = opened;
    if (confirmed) {
        TakeOver(options, *confirmed, marks, flags);
        further = confirmed->files.furtherLogs;
    }

    AppliedDisplaySettings applied;
    WriteMarked(profile, s, marks);
    applied.unitLabel = TimeUnitLabel(s.timeMode);
    WriteViewer(profile, viewer_key::SecondLog, s.secondLog);
    WriteFurtherLogs(profile, further);
    if (!s.secondLog.empty()) {
        if (OpenFile(s.secondLog, "rb")) {
            flags.logChanged = true;
        } else {
            warn(MissingLogMessage(s.secondLog));
            s.secondLog.clear();
            WriteViewer(profile, viewer_key::SecondLog, s.secondLog);
            // The choice stored is the log shown, so the next start does not offer the lost one.
            s.chosenLog = 0;
            WriteViewer(profile, viewer_key::CombSelectNo, s.chosenLog);
            // The list showed the lost log's month: the own log is read in its place.
            flags.redisplay = flags.logChanged = true;
        }
    }
    if (marks.timeTexts) {
        WriteViewer(profile, viewer_key::TimeMode, s.timeMode);
        WriteViewer(profile, viewer_key::MonthLabel, s.monthLabel);
        viewer.ApplyTimeMode();
        applied.totalShown = true;
    }
    if (flags.redisplay)
        applied.view = viewer.Redisplay(flags.toCalendar ? ViewKind::Calendar : viewer.View(), flags.logChanged);
    return applied;
}

}  // namespace kestrowa
