// The session scanner on any log, with any of the options its readers give it.
// First line: line buffer, filter (0 none, else a month), year, month, session limit,
// stop line closes (0/1), now line (0 none, else the log's own form of a fixed moment).
#include "FuzzInput.h"
#include "shared/SessionScanner.h"

using namespace kestrowa;

namespace {

// Checks each promise the scanner makes to its readers as it is told.
class CheckingReader : public SessionReader {
public:
    explicit CheckingReader(const ScanOptions& options) : options_(options) {}

    void Line(std::string_view line, bool sessionOpen) override {
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

private:
    const ScanOptions& options_;
    std::string lastLine_;
    bool lastOpen_ = false;
    std::string startLine_;
    // A session closed by a stop line or the now line is the read's last word.
    bool finished_ = false;
    size_t sessions_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    FuzzInput input(data, size);
    ScanOptions options;
    options.lineBuffer = static_cast<size_t>(input.Number(2, 300));
    const bool filtered = input.Number(0, 1) == 1;
    const int year = input.Number(1980, 2099);
    const int month = input.Number(1, 12);
    if (filtered) options.filter = MonthLines(year, month);
    options.sessionLimit = static_cast<size_t>(input.Number(0, 400));
    options.stopLineCloses = input.Number(0, 1) == 1;
    if (input.Number(0, 1) == 1) options.nowLine = "E 24/03/31 23:59";

    const std::string log = scratch.Write("Kestrofl.dat", input.Rest());
    CheckingReader reader(options);
    FUZZ_CHECK(ScanLog(log, options, reader));
    // An end line closes at most one session, and the read ends at the first paired line after
    // the limit was reached; only a stop line or the now line may add one more.
    if (options.sessionLimit != 0) FUZZ_CHECK(reader.Sessions() <= options.sessionLimit + 1);
    return 0;
}
