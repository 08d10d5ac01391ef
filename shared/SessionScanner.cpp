#include "shared/SessionScanner.h"

#include <algorithm>
#include <cstring>

#include "platform/File.h"
#include "shared/LineReader.h"
#include "shared/LogLine.h"
#include "shared/Strings.h"

namespace kestrowa {

namespace {

// The first six characters of a text.
MonthMark MarkOf(const std::string& text) {
    MonthMark mark{};
    std::memcpy(mark.data(), text.data(), std::min(text.size(), mark.size()));
    return mark;
}

}  // namespace

MonthMark MonthMarkOf(std::string_view yymm) { return MarkOf(std::string(Columns(yymm, 0, 5)) + "/"); }

// A comparison of fixed length, without a library call, keeps the search near the speed of
// splitting the lines.
bool Holds(std::string_view line, const MonthMark& mark) {
    if (line.size() < mark.size()) return false;
    for (size_t i = 0, last = line.size() - mark.size(); i <= last; ++i)
        if (line[i] == mark[0] && std::memcmp(line.data() + i, mark.data(), mark.size()) == 0) return true;
    return false;
}

LineFilter MonthLines(int year, int month) {
    std::string thisMonth = TwoDigitYear(year) + Format("/%02d/", month);
    std::string nextMonth =
        month == 12 ? TwoDigitYear(year + 1) + "/01/" : TwoDigitYear(year) + Format("/%02d/", month + 1);
    if (thisMonth.size() == kMonthMarkSize && nextMonth.size() == kMonthMarkSize) {
        return [thisMark = MarkOf(thisMonth), nextMark = MarkOf(nextMonth)](std::string_view line) {
            if (Holds(line, nextMark)) return LineFate::Stop;
            return Holds(line, thisMark) ? LineFate::Pair : LineFate::Skip;
        };
    }
    // A month beyond 1..12 has a longer mark, which no line of the log holds but a hand-made one.
    return [thisMonth = std::move(thisMonth), nextMonth = std::move(nextMonth)](std::string_view line) {
        if (line.find(nextMonth) != std::string_view::npos) return LineFate::Stop;
        return line.find(thisMonth) != std::string_view::npos ? LineFate::Pair : LineFate::Skip;
    };
}

bool ScanLog(const std::string& path, const ScanOptions& options, SessionReader& reader) {
    FilePtr file = OpenFile(path, "rb");
    if (!file) return false;

    bool open = false;
    LogStamp start;
    std::string startLine;
    size_t handed = 0;
    auto close = [&](std::string_view endLine, SessionClose why) {
        open = false;
        const int minutes = SessionMinutes(start, ParseLogLine(endLine));
        if (minutes <= 0) return;
        ++handed;
        reader.Session({startLine, endLine, minutes, why});
    };

    LineReader lines(file.get(), options.lineBuffer);
    std::string line, stopLine;
    // Whether the last non-empty line read is the start still open; any later line, even one
    // that is no session line, means that start is not the one running.
    bool startIsLast = false;
    while (lines.Next(line)) {
        if (line.empty()) continue;
        startIsLast = false;
        if (!HasLogDate(line)) continue;
        const LineFate fate = options.filter ? options.filter(line) : LineFate::Pair;
        if (fate == LineFate::Skip) continue;
        if (fate == LineFate::Stop) {
            stopLine = line;
            break;
        }
        reader.Line(line, open);
        const LogStamp stamp = ParseLogLine(line);
        if (stamp.tag == 'S' && !open) {
            start = stamp;
            startLine = line;
            open = startIsLast = true;
            reader.Start(line);
            continue;
        }
        if (stamp.tag == 'E' && open) close(line, SessionClose::EndLine);
        if ((options.sessionLimit != 0 && handed >= options.sessionLimit) || reader.Enough(line)) break;
    }
    if (open && !stopLine.empty()) {
        if (options.stopLineCloses && stopLine[0] == 'E') close(stopLine, SessionClose::StopLine);
    } else if (open && startIsLast && !options.nowLine.empty()) {
        close(options.nowLine, SessionClose::NowLine);
    }
    return true;
}

ChosenLog ChooseLog(std::string_view ownLog, std::string_view secondLog) {
    if (secondLog.empty()) return {std::string(ownLog), true};
    return {std::string(secondLog), false};
}

}  // namespace kestrowa
