#include "recorder/settings/LogMaintenance.h"

#include "platform/File.h"
#include "recorder/RecorderEnvironment.h"
#include "shared/LineReader.h"
#include "shared/LogLine.h"
#include "shared/SessionLog.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {

bool Tagged(const std::string& line, char tag) { return !line.empty() && line[0] == tag; }

// A start or end line that readers pair: only these are merged; any other line but the first is
// dropped.
bool IsStartOrEndLine(const std::string& line) { return (Tagged(line, 'S') || Tagged(line, 'E')) && IsSessionLine(line); }

// Minutes from an end line to a start line of the same date (yy/mm/dd); -1 when the dates differ.
int GapMinutes(std::string_view endLine, std::string_view startLine) {
    const LogStamp end = ParseLogLine(endLine);
    const LogStamp start = ParseLogLine(startLine);
    if (end.dateSize != 8 || end.Date() != start.Date()) return -1;
    return start.minutes - end.minutes;
}

}  // namespace

int QuickRestartLimit(std::string_view endLine) { return FullYear(ToInt(Columns(endLine, 2, 2))) < 2009 ? 10 : 20; }

std::vector<std::string> MergeQuickRestarts(const std::vector<std::string>& lines) {
    std::vector<std::string> merged;
    if (lines.empty()) return merged;
    // The first line stays as it is (a note typed above the log, say), unless it is a start or
    // end line that no reader pairs.
    const std::string& first = lines[0];
    const bool firstIsStartOrEnd = IsStartOrEndLine(first);
    if (firstIsStartOrEnd || !(Tagged(first, 'S') || Tagged(first, 'E'))) merged.push_back(first);

    std::vector<const std::string*> marks;
    for (size_t i = 1; i < lines.size(); ++i)
        if (IsStartOrEndLine(lines[i])) marks.push_back(&lines[i]);

    const bool firstOpens = firstIsStartOrEnd && Tagged(first, 'S');
    bool afterEnd = !firstOpens;                     // a start line read now is kept
    bool sessionOpen = firstOpens;                   // the last line kept is a start
    bool endRead = firstIsStartOrEnd && Tagged(first, 'E');  // an end line came before
    std::string following;                           // the start that followed the last end line
    for (size_t i = 0; i < marks.size(); ++i) {
        const std::string& line = *marks[i];
        if (Tagged(line, 'S')) {
            if (!afterEnd) continue;
            merged.push_back(line);
            if (endRead) following = line;
            afterEnd = false;
            sessionOpen = true;
            continue;
        }
        following.clear();
        endRead = true;
        const std::string* next = i + 1 < marks.size() ? marks[i + 1] : nullptr;
        if (sessionOpen && next && Tagged(*next, 'S')) {
            const int gap = GapMinutes(line, *next);
            if (gap >= 0 && gap <= QuickRestartLimit(line)) {
                following = *next;
                ++i;
                continue;
            }
        }
        merged.push_back(line);
        afterEnd = true;
        sessionOpen = false;
    }
    if (!following.empty()) merged.push_back(following);
    return merged;
}

std::optional<std::string> MaintainedLog(std::FILE* log) {
    std::vector<std::string> lines;
    LineReader reader(log, kRecorderLineBuffer);
    for (std::string line; reader.Next(line);)
        if (!line.empty()) lines.push_back(line);
    if (std::ferror(log)) return std::nullopt;
    std::string bytes;
    for (const std::string& line : MergeQuickRestarts(lines)) (bytes += line) += "\r\n";
    return bytes;
}

std::string MaintainLog(const std::string& applicationFolder, FileReplacer& files) {
    const std::string logPath = OwnLogPath(applicationFolder);
    std::optional<std::string> merged;
    if (FilePtr log = OpenFile(logPath, "rb")) {
        merged = MaintainedLog(log.get());
    } else {
        // Appending never truncates: a log that exists but cannot be read stays as it is, and
        // only a missing one is created (empty).
        FilePtr created = OpenFile(logPath, "ab");
        const bool empty = created && std::fseek(created.get(), 0, SEEK_END) == 0 && std::ftell(created.get()) == 0;
        return empty ? kMaintainDoneText : kMaintainFailedText;
    }
    if (!merged) return kMaintainFailedText;
    return files.ReplaceKeepingBackup(logPath, applicationFolder + kLogBackupName, *merged) ? kMaintainDoneText
                                                                                            : kMaintainFailedText;
}

}  // namespace kestrowa
