// The reading of an event export and its conversion into a history, on any bytes.
// First line: the local time's offset from UTC in minutes, plus 720 (0-1560).
// The history must be lines of the recorder's form, start and end in turn, each pair a session
// that the readers' pairing gives a length, and the sessions found in time order.
#include "FuzzInput.h"
#include "shared/ByteScan.h"
#include "shared/LogLine.h"
#include "viewer/history/EventHistory.h"

using namespace kestrowa;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const int offset = input.Number(0, 1560) - 720;
    EventReading reading;
    ReadEventExport(input.Rest(), reading);
    const EventSessions found = PairEvents(reading);
    for (size_t i = 0; i < found.sessions.size(); ++i) {
        FUZZ_CHECK(found.sessions[i].start <= found.sessions[i].end);
        if (i > 0) FUZZ_CHECK(found.sessions[i - 1].end <= found.sessions[i].start);
    }
    FUZZ_CHECK(found.counts.events == reading.events.size());
    FUZZ_CHECK(found.counts.duplicated + found.counts.outOfOrder <= 2 * found.counts.events);

    const EventHistory history = HistoryLines(
        found, [offset](std::int64_t t) { return std::optional<DateTime>(DateTimeFromSeconds(t + offset * 60)); }, std::nullopt);
    const std::string& lines = history.lines;
    FUZZ_CHECK(lines.size() == static_cast<size_t>(history.sessions) * 2 * kRecorderLineBytes);
    for (size_t at = 0; at < lines.size(); at += 2 * kRecorderLineBytes) {
        const char* start = lines.data() + at;
        const char* end = start + kRecorderLineBytes;
        FUZZ_CHECK(IsRecorderLine(start) && IsRecorderLine(end) && start[0] == 'S' && end[0] == 'E');
        FUZZ_CHECK(HasLogDate({start, kRecorderLineSize}) && HasLogDate({end, kRecorderLineSize}));
        FUZZ_CHECK(SessionMinutes(ParseLogLine({start, kRecorderLineSize}), ParseLogLine({end, kRecorderLineSize})) > 0);
    }
    return 0;
}
