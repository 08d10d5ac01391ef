#include "recorder/LogWriter.h"

#include <cctype>
#include <cerrno>

#include "shared/LogLine.h"
#include "shared/RecorderSettings.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {
inline constexpr char kContinues = '+';

// `line` (through its line feed) is one of the recorder's line forms, or, when `partial`, the
// end of one. In a form '9' stands for a digit and 'X' for S or E.
bool IsLineForm(std::string_view line, bool partial) {
    for (const std::string_view form : {std::string_view("X 99/99/99 99:99\r\n"), std::string_view("\r\n")}) {
        if (line.size() > form.size() || (!partial && line.size() != form.size())) continue;
        const std::string_view end = form.substr(form.size() - line.size());
        bool same = true;
        for (size_t i = 0; same && i < line.size(); ++i) {
            const char c = line[i];
            if (end[i] == '9') same = std::isdigit(static_cast<unsigned char>(c)) != 0;
            else if (end[i] == 'X') same = c == 'S' || c == 'E';
            else same = c == end[i];
        }
        if (same) return true;
    }
    return false;
}
}  // namespace

bool IsPendingText(std::string_view text, bool continuesLine) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos || !IsLineForm(text.substr(0, end + 1), continuesLine)) return false;
        text.remove_prefix(end + 1);
        continuesLine = false;
    }
    return true;
}

LogWriter::LogWriter(SessionLog log, Profile& profile) : log_(std::move(log)), profile_(profile) {
    stored_ = Read(profile_, recorder_key::PendingLines);
    std::string stored = stored_;
    const bool continues = !stored.empty() && stored[0] == kContinues;
    if (continues) stored.erase(0, 1);
    if (!IsPendingText(stored, continues)) return;
    pending_ = std::move(stored);
    continuesLine_ = continues && !pending_.empty();
}

void LogWriter::Append(std::string_view fullLine) {
    pending_ += FileLine(fullLine) + "\r\n";
    TryWrite();
}

void LogWriter::Flush() {
    if (HasPending()) TryWrite();
}

void LogWriter::TryWrite() {
    const AppendResult result = log_.AppendText(pending_, continuesLine_);
    error_ = result.error;
    if (result.written > 0) {
        continuesLine_ = pending_[result.written - 1] != '\n';
        pending_.erase(0, result.written);
    }
    if (pending_.empty()) continuesLine_ = false;
    // The registry is written when the kept text changed, not at every heartbeat.
    std::string value = (continuesLine_ ? std::string(1, kContinues) : "") + pending_;
    if (value != stored_) {
        Write(profile_, recorder_key::PendingLines, value);
        stored_ = std::move(value);
    }
}

std::string LogWriter::LastNonEmptyLine() const {
    // The kept text ends with a line feed; a first line that continues the log's last one is
    // known only with that line's beginning, in the file.
    std::string last;
    bool first = true;
    for (size_t start = 0; start < pending_.size(); first = false) {
        const size_t end = pending_.find('\n', start);
        const std::string_view line(pending_.data() + start, end - start + 1);
        if (!(first && continuesLine_) && line != "\r\n") last = line.substr(0, line.size() - 2);
        start = end + 1;
    }
    return last.empty() ? log_.LastNonEmptyLine() : last;
}

std::string LogProblemText(const std::string& path, int error) {
    const char* reason = "書き込めません";
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: reason = "書き込みが許されていません"; break;
    case ENOENT: reason = "フォルダーがありません"; break;
    case EISDIR: reason = "同じ名前のフォルダーがあります"; break;
    case ENOSPC: reason = "ディスクに空きがありません"; break;
    default: break;
    }
    return Format("記録ファイル %s に書き込めません（%s）。記録は取ってあり、書き込めるようになりしだい書き込みます",
                  path.c_str(), reason);
}

}  // namespace kestrowa
