#pragma once
// The session rule written for clarity, as the judge of ScanLog: the file read a character at a
// time into lines as a C runtime in text mode hands them to a fixed buffer, no blocks, no passing
// over, no caches. The fuzz target scan_log and the scanner's tests compare what
// ScanLog tells a reader with what this tells it.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/File.h"
#include "shared/LogLine.h"
#include "shared/SessionScanner.h"

namespace kestrowa::reference {

// The lines of a file as a C runtime in text mode hands them out through a buffer of
// `bufferSize`, character by character: CR LF is a line end, and a line longer than
// bufferSize - 1 characters comes in pieces; a piece that fills the buffer leaves its LF to end
// an empty line next.
inline std::vector<std::string> TextModeLines(const std::string& path, size_t bufferSize) {
    FilePtr file = OpenFile(path, "rb");
    std::vector<std::string> lines;
    if (!file) return lines;
    for (int c = 0; c != EOF;) {
        std::string line;
        while (line.size() < bufferSize - 1) {
            if ((c = std::getc(file.get())) == EOF) break;
            if (c == '\n') break;
            if (c == '\r') {
                const int next = std::getc(file.get());
                if (next == '\n') break;
                if (next != EOF) std::ungetc(next, file.get());
            }
            line += static_cast<char>(c);
        }
        if (c != EOF || !line.empty()) lines.push_back(line);
    }
    return lines;
}

// ScanLog's contract, for the options a reader may give (readBlock and passOver change only how
// fast the lines come, so they are not looked at).
inline bool ScanLog(const std::string& path, const ScanOptions& options, SessionReader& reader) {
    if (!OpenFile(path, "rb")) return false;
    bool open = false;
    std::string startLine;
    size_t sessions = 0;
    std::string stopLine;
    bool startIsLast = false;  // the open start is the last non-empty line read
    auto close = [&](const std::string& endLine, SessionClose why) {
        open = false;
        const int minutes = SessionMinutes(ParseLogLine(startLine), ParseLogLine(endLine));
        if (minutes <= 0) return;
        ++sessions;
        reader.Session({startLine, endLine, minutes, why});
    };
    for (const std::string& line : TextModeLines(path, options.lineBuffer)) {
        if (line.empty()) continue;
        startIsLast = false;
        if (!IsSessionLine(line)) continue;
        const LineFate fate = options.filter ? options.filter(line) : LineFate::Pair;
        if (fate == LineFate::Skip) continue;
        if (fate == LineFate::Stop) {
            stopLine = line;
            break;
        }
        reader.Line(line, open);
        if (line[0] == 'S' && !open) {
            startLine = line;
            open = startIsLast = true;
            reader.Start(line);
            continue;
        }
        if (line[0] == 'E' && open) close(line, SessionClose::EndLine);
        if ((options.sessionLimit != 0 && sessions >= options.sessionLimit) || reader.Enough(line)) break;
    }
    if (open && !stopLine.empty()) {
        if (options.stopLineCloses && stopLine[0] == 'E') close(stopLine, SessionClose::StopLine);
    } else if (open && startIsLast && !options.nowLine.empty()) {
        close(options.nowLine, SessionClose::NowLine);
    }
    return true;
}

}  // namespace kestrowa::reference
