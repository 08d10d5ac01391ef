// The console report's command line: any arguments (the input split at each NUL byte), and what
// a line it accepts reports or draws on a fixed log.
#include "TableCheck.h"
#include "viewer/report/PeriodReport.h"
#include "viewer/report/Report.h"

using namespace kestrowa;

namespace {

// Months on both sides of a year end and of a century's, a session across a month end and one
// still running.
constexpr std::string_view kLog =
    "S 99/12/31 22:00\r\nE 00/01/01 01:30\r\nS 00/01/05 09:00\r\nE 00/01/05 18:00\r\n"
    "S 23/12/31 23:00\r\nE 24/01/01 00:45\r\nS 24/02/29 08:00\r\nE 24/02/29 12:00\r\n"
    "S 24/02/29 13:00\r\nE 24/03/01 02:00\r\nS 24/03/15 10:00\r\n";
const DateTime kClock{2024, 3, 15, 12, 30, 0};

std::vector<std::string> Arguments(std::string_view bytes) {
    std::vector<std::string> args;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\0');
        args.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    static const std::string log = scratch.Write("Kestrofl.dat", kLog);
    const std::vector<std::string> args = Arguments(FuzzInput(data, size).All());

    std::string error;
    std::optional<ReportRequest> request = ParseReportArguments(args, error);
    FUZZ_CHECK(request.has_value() == error.empty());
    if (!request) return 0;
    // An import names its export and its output and nothing of a view; it writes a file, so it is
    // not run here.
    if (!request->importEvents.empty()) {
        FUZZ_CHECK(!request->out.empty() && !request->period && request->graph == ReportRequest::Graph::None);
        return 0;
    }
    FUZZ_CHECK(!request->log.empty());

    // The log named is left aside: the run must read nothing outside the scratch folder, and a
    // drawing is built, never written to the files named.
    request->log = log;
    if (request->period) {
        std::string out, err;
        RunPeriodReport(*request, out, err);
        return 0;
    }
    if (request->graph != ReportRequest::Graph::None) {
        FUZZ_CHECK(BuildDrawing(*request, kClock).has_value());
        return 0;
    }
    FUZZ_CHECK(request->month >= 1 && request->month <= 12);
    std::optional<std::vector<std::vector<std::string>>> records = BuildReport(*request, kClock);
    FUZZ_CHECK(records.has_value());
    FormatCsv(*records);
    FormatTabSeparated(*records);
    return 0;
}
