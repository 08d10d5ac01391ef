#include "shared/SessionLog.h"

#include "platform/File.h"
#include "shared/Hours.h"
#include "shared/LineReader.h"
#include "shared/LogLine.h"
#include "shared/Strings.h"

namespace kestrowa {

bool SessionLog::Exists() const { return OpenFile(path_, "rb") != nullptr; }

void SessionLog::AppendLine(std::string_view fullLine) const {
    FilePtr file = OpenFile(path_, "ab");
    if (!file) return;
    std::string line = FileLine(fullLine) + "\r\n";
    std::fwrite(line.data(), 1, line.size(), file.get());
}

std::string SessionLog::LastNonEmptyLine() const {
    FilePtr file = OpenFile(path_, "rb");
    if (!file) return {};
    LineReader reader(file.get(), kRecorderLineBuffer);
    std::string line, last;
    while (reader.Next(line))
        if (!line.empty()) last = line;
    return last;
}

MonthSummary SessionLog::SummarizeMonth(const DateTime& today) const {
    MonthSummary summary;
    FilePtr file = OpenFile(path_, "rb");
    if (!file) return summary;
    summary.logPresent = true;

    const int nextYear = today.month == 12 ? today.year + 1 : today.year;
    const int nextMonth = today.month == 12 ? 1 : today.month + 1;
    const std::string thisPrefix = Format("%02d/%02d/", today.year % 100, today.month);
    const std::string nextPrefix = Format("%02d/%02d/", nextYear % 100, nextMonth);

    LineReader reader(file.get(), kRecorderLineBuffer);
    std::string line, lastRead;
    bool open = false;
    LogStamp start;
    while (reader.Next(line)) {
        if (line.empty()) continue;
        lastRead = line;
        if (line.find(nextPrefix) != std::string::npos) break;
        if (line.find(thisPrefix) == std::string::npos) continue;
        LogStamp stamp = ParseLogLine(line);
        if (stamp.tag == 'S' && !open) {
            start = stamp;
            open = true;
            continue;
        }
        if (stamp.tag == 'E' && open) {
            int minutes = SessionMinutes(start, stamp);
            if (minutes > 0) {
                summary.minutes += minutes;
                ++summary.sessions;
            }
            open = false;
        }
        if (summary.sessions >= kMonthSessionLimit) break;
    }
    // A session of the month's last day that the first line of the next month ends.
    if (open && !lastRead.empty() && lastRead[0] == 'E' && lastRead.find(nextPrefix) != std::string::npos) {
        int minutes = SessionMinutes(start, ParseLogLine(lastRead));
        if (minutes > 0) {
            summary.minutes += minutes;
            ++summary.sessions;
        }
    }
    return summary;
}

std::string MonthCountText(const MonthSummary& summary) { return Format("%3d回", summary.sessions); }

std::string MonthTimeText(const MonthSummary& summary, int monthTimeForm) {
    if (monthTimeForm == 0) return Format("%d時間%d分", summary.minutes / 60, summary.minutes % 60);
    return Format("%.02f時間", HoursFromMinutes(summary.minutes));
}

}  // namespace kestrowa
