// The recorder's reads of its log at each start: the month's figures for the status window and
// the last line; then its append, whose line is the last one whatever the file ended with.
// First line: today (year, month).
#include "FuzzInput.h"
#include "shared/LogLine.h"
#include "shared/SessionLog.h"

using namespace kestrowa;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    FuzzInput input(data, size);
    DateTime today{input.Number(1980, 2099), input.Number(1, 12), 1, 0, 0, 0};
    const SessionLog log(scratch.Write("Kestrofl.dat", input.Rest()));

    const MonthSummary summary = log.SummarizeMonth(today);
    FUZZ_CHECK(summary.logPresent);
    FUZZ_CHECK(summary.minutes >= 0 && summary.sessions >= 0);
    FUZZ_CHECK(static_cast<size_t>(summary.sessions) <= kMonthSessionLimit + 1);
    MonthCountText(summary);
    MonthTimeText(summary, 0);
    MonthTimeText(summary, 1);
    FUZZ_CHECK(log.LastNonEmptyLine().size() < kRecorderLineBuffer);

    const std::string endLine = FullEndLine(today);
    log.AppendLine(endLine);
    FUZZ_CHECK(log.LastNonEmptyLine() == FileLine(endLine));
    return 0;
}
