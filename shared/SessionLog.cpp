#include "shared/SessionLog.h"

#include <cerrno>
#include <cstdio>

#include "platform/File.h"
#include "shared/Hours.h"
#include "shared/LineReader.h"
#include "shared/LogLine.h"
#include "shared/SessionScanner.h"
#include "shared/Strings.h"

namespace kestrowa {

std::string OwnLogPath(std::string_view applicationFolder, LogNameCase nameCase) {
    return std::string(applicationFolder) + (nameCase == LogNameCase::Capitals ? "KESTROFL.DAT" : kSessionLogName);
}

bool SessionLog::Exists() const { return OpenFile(path_, "rb") != nullptr; }

bool SessionLog::AppendLine(std::string_view fullLine) const {
    const std::string text = FileLine(fullLine) + "\r\n";
    return AppendText(text, false).written == text.size();
}

AppendResult SessionLog::AppendText(std::string_view text, bool continuesLine) const {
    errno = 0;
    FilePtr file = OpenFile(path_, "a+b");
    if (!file) return {0, errno != 0 ? errno : EIO};
    // Unbuffered, so that what fwrite counts went to the file, and a close has nothing left to lose.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    // A log saved by an editor may lack its last line break: the new line must not join that line.
    std::string bytes;
    const std::int64_t length = FileLength(file.get());
    char last = '\n';
    if (!continuesLine && length > 0 && ReadAt(file.get(), length - 1, &last, 1) == 1 && last != '\n') bytes = "\r\n";
    const size_t prefix = bytes.size();
    bytes += text;
    // Between a read and a write the stream must be positioned; an append writes at the end anyway.
    std::fseek(file.get(), 0, SEEK_END);
    errno = 0;
    const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    const int error = written == bytes.size() ? 0 : errno != 0 ? errno : EIO;
    return {written > prefix ? written - prefix : 0, error};
}

std::string SessionLog::LastNonEmptyLine() const {
    FilePtr file = OpenFile(path_, "rb");
    if (!file) return {};
    return kestrowa::LastNonEmptyLine(file.get(), kRecorderLineBuffer);
}

MonthSummary SessionLog::SummarizeMonth(const DateTime& today) const {
    struct Sum final : SessionReader {
        MonthSummary summary;
        void Session(const ScannedSession& session) override {
            summary.minutes += session.minutes;
            ++summary.sessions;
        }
    } sum;
    ScanOptions options;
    options.lineBuffer = kRecorderLineBuffer;
    SelectMonth(options, today.year, today.month);
    options.sessionLimit = kMonthSessionLimit;
    // A session of the month's last day that the first line of the next month ends.
    options.stopLineCloses = true;
    sum.summary.logPresent = ScanLog(path_, options, sum);
    return sum.summary;
}

std::string MonthCountText(const MonthSummary& summary) { return Format("%3d回", summary.sessions); }

std::string MonthTimeText(const MonthSummary& summary, int monthTimeForm) {
    if (monthTimeForm == 0) return Format("%lld時間%lld分", static_cast<long long>(summary.minutes / 60),
                                         static_cast<long long>(summary.minutes % 60));
    return Format("%.02f時間", HoursFromMinutes(summary.minutes));
}

}  // namespace kestrowa
