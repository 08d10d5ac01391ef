// The session scanner on any log, with any of the options its readers give it.
// First line: line buffer, filter (0 none, 1 a month, 2 the dates from one on: a filter by date
// as the period counts have), year, month, session limit, stop line closes (0/1), now line (0
// none, else the log's own form of a fixed moment), read block (0 the usual, else its bytes).
// What the read tells the reader must be what the reference read, written for clarity in the
// tests, tells it.
#include "FuzzInput.h"
#include "ReferenceScan.h"
#include "shared/LogLine.h"
#include "shared/SessionScanner.h"
#include "shared/Strings.h"

using namespace kestrowa;

namespace {

// Checks each promise the scanner makes to its readers as it is told.
class CheckingReader final : public SessionReader {
public:
    explicit CheckingReader(const ScanOptions& options) : options_(options) {}

    void Line(std::string_view line, bool sessionOpen) override {
        trace_ += "L" + std::string(line) + (sessionOpen ? "+" : "-");
        FUZZ_CHECK(!finished_);
        FUZZ_CHECK(!line.empty() && line.size() < options_.lineBuffer);
        lastLine_ = line;
        lastOpen_ = sessionOpen;
    }
    void Start(std::string_view line) override {
        FUZZ_CHECK(line == lastLine_ && !lastOpen_ && line[0] == 'S');
        startLine_ = line;
    }
    void Session(const ScannedSession& s) override {
        trace_ += "S" + std::string(s.startLine) + ">" + std::string(s.endLine) + "=" + std::to_string(s.minutes);
        FUZZ_CHECK(!finished_);
        FUZZ_CHECK(s.minutes > 0);
        FUZZ_CHECK(s.startLine == startLine_);
        switch (s.closedBy) {
        case SessionClose::EndLine:
            FUZZ_CHECK(s.endLine == lastLine_ && lastOpen_ && s.endLine[0] == 'E');
            break;
        case SessionClose::StopLine:
            FUZZ_CHECK(options_.stopLineCloses && s.endLine[0] == 'E');
            finished_ = true;
            break;
        case SessionClose::NowLine:
            FUZZ_CHECK(s.endLine == options_.nowLine && startLine_ == lastLine_);
            finished_ = true;
            break;
        }
        ++sessions_;
    }

    size_t Sessions() const { return sessions_; }
    // Every line and session told, in order.
    const std::string& Trace() const { return trace_; }

private:
    const ScanOptions& options_;
    std::string lastLine_;
    bool lastOpen_ = false;
    std::string startLine_;
    // A session closed by a stop line or the now line is the read's last word.
    bool finished_ = false;
    size_t sessions_ = 0;
    std::string trace_;
};

// The lines dated from `first` (yy/mm/dd) on, by the text of their date; the first line dated
// after `last` ends the read.
void SelectDates(ScanOptions& options, const std::string& first, const std::string& last) {
    auto fate = [first, last](std::string_view line) {
        const std::string_view date = line.substr(2, 8);
        if (date < first) return LineFate::Skip;
        return date <= last ? LineFate::Pair : LineFate::Stop;
    };
    options.filter = fate;
    options.passOver = [fate, longest = options.lineBuffer - 1](std::string_view ahead) {
        return SkippedLines(ahead, longest, [&](std::string_view line) { return fate(line) == LineFate::Skip; });
    };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    FuzzInput input(data, size);
    ScanOptions options;
    options.lineBuffer = static_cast<size_t>(input.Number(2, 300));
    const int filter = input.Number(0, 2);
    const int year = input.Number(1980, 2099);
    const int month = input.Number(1, 12);
    if (filter == 1) SelectMonth(options, year, month);
    if (filter == 2) SelectDates(options, TwoDigitYear(year) + Format("/%02d/01", month), TwoDigitYear(year) + "/12/31");
    options.sessionLimit = static_cast<size_t>(input.Number(0, 400));
    options.stopLineCloses = input.Number(0, 1) == 1;
    if (input.Number(0, 1) == 1) options.nowLine = "E 24/03/31 23:59";
    if (const int block = input.Number(0, 300); block != 0) options.readBlock = static_cast<size_t>(block);

    const std::string log = scratch.Write("Kestrofl.dat", input.Rest());
    CheckingReader reader(options);
    FUZZ_CHECK(ScanLog(log, options, reader));
    // An end line closes at most one session, and the read ends at the first paired line after
    // the limit was reached; only a stop line or the now line may add one more.
    if (options.sessionLimit != 0) FUZZ_CHECK(reader.Sessions() <= options.sessionLimit + 1);

    CheckingReader judge(options);
    FUZZ_CHECK(reference::ScanLog(log, options, judge));
    FUZZ_CHECK(judge.Trace() == reader.Trace());
    return 0;
}
