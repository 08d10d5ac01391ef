#include <gtest/gtest.h>

#include <utility>

#include "ReferenceScan.h"
#include "TempDir.h"
#include "shared/SessionScanner.h"
#include "shared/Strings.h"

using namespace kestrowa;

namespace {

// Everything a read hands on, one text per call: "line <line> open|-", "start <line>",
// "<start> > <end> = <minutes> end|stop|now".
class Trace final : public SessionReader {
public:
    std::vector<std::string> calls;
    size_t enoughAfter = 0;  // sessions after which the reader has enough; 0: never

    std::vector<std::string> Sessions() const {
        std::vector<std::string> sessions;
        for (const std::string& c : calls)
            if (c.find(" > ") != std::string::npos) sessions.push_back(c);
        return sessions;
    }

    void Line(std::string_view line, bool sessionOpen) override {
        calls.push_back("line " + std::string(line) + (sessionOpen ? " open" : " -"));
    }
    void Start(std::string_view line) override { calls.push_back("start " + std::string(line)); }
    void Session(const ScannedSession& s) override {
        static constexpr const char* kWhy[] = {"end", "stop", "now"};
        calls.push_back(std::string(s.startLine) + " > " + std::string(s.endLine) + " = " + std::to_string(s.minutes) +
                        " " + kWhy[static_cast<int>(s.closedBy)]);
        ++sessions_;
    }
    bool Enough(std::string_view) override { return enoughAfter != 0 && sessions_ >= enoughAfter; }

private:
    size_t sessions_ = 0;
};

Trace Scan(const std::string& bytes, const ScanOptions& options) {
    TempDir dir;
    dir.Write("log", bytes);
    Trace trace;
    EXPECT_TRUE(ScanLog(dir.File("log"), options, trace));
    return trace;
}

Trace ReferenceScan(const std::string& bytes, const ScanOptions& options) {
    TempDir dir;
    dir.Write("log", bytes);
    Trace trace;
    EXPECT_TRUE(reference::ScanLog(dir.File("log"), options, trace));
    return trace;
}

ScanOptions May2009(bool stopLineCloses = true, std::string nowLine = "") {
    ScanOptions o;
    SelectMonth(o, 2009, 5);
    o.stopLineCloses = stopLineCloses;
    o.nowLine = std::move(nowLine);
    return o;
}

}  // namespace

TEST(SessionScanner, HandsOnEachPairedSessionWithWhatClosedIt) {
    const std::string kNow = "E 09/05/20 10:15";
    struct Case {
        const char* name;
        std::string log;
        ScanOptions options;
        std::vector<std::string> sessions;
    } cases[] = {
        {"every line of every month without a filter",
         CrLf({"S 09/04/30 23:00", "E 09/05/01 01:00", "S 09/06/01 08:00", "E 09/06/01 09:30"}), {},
         {"S 09/04/30 23:00 > E 09/05/01 01:00 = 120 end", "S 09/06/01 08:00 > E 09/06/01 09:30 = 90 end"}},
        {"a second start, an end without start and sessions of no length pair with nothing",
         CrLf({"E 09/05/01 07:00", "S 09/05/02 08:00", "S 09/05/02 09:00", "E 09/05/02 10:00", "S 09/05/03 10:00",
               "E 09/05/03 10:00", "S 09/05/04 10:00", "E 09/05/03 11:00", "X 09/05/05 10:00"}),
         {}, {"S 09/05/02 08:00 > E 09/05/02 10:00 = 120 end"}},
        {"other months skipped, the next month's end line closes the last start",
         CrLf({"S 09/04/30 08:00", "E 09/04/30 09:00", "S 09/05/31 23:00", "E 09/06/01 00:30", "S 09/06/01 08:00"}),
         May2009(), {"S 09/05/31 23:00 > E 09/06/01 00:30 = 90 stop"}},
        {"a month is told by the date columns alone, not by a month mark typed further on",
         CrLf({"S 09/05/02 08:00 note 09/06/", "E 09/05/02 10:00", "S 09/05/03 08:00", "E 09/05/03 11:00"}), May2009(),
         {"S 09/05/02 08:00 note 09/06/ > E 09/05/02 10:00 = 120 end", "S 09/05/03 08:00 > E 09/05/03 11:00 = 180 end"}},
        {"without stop-line closing that start is dropped", CrLf({"S 09/05/31 23:00", "E 09/06/01 00:30"}),
         May2009(false), {}},
        {"a start of the next month stops the read and closes nothing",
         CrLf({"S 09/05/31 23:00", "S 09/06/01 08:00", "E 09/06/01 09:00"}), May2009(), {}},
        {"December stops at January of the next year",
         CrLf({"S 09/12/31 23:00", "E 10/01/01 01:00", "S 09/12/31 02:00", "E 09/12/31 03:00"}),
         [] {
             ScanOptions o;
             SelectMonth(o, 2009, 12);
             o.stopLineCloses = true;
             return o;
         }(),
         {"S 09/12/31 23:00 > E 10/01/01 01:00 = 120 stop"}},
        {"the now line closes a start that is the last line, blank lines after it included",
         CrLf({"S 09/05/19 09:00", "E 09/05/19 10:00", "S 09/05/20 08:00", "", ""}), May2009(true, kNow),
         {"S 09/05/19 09:00 > E 09/05/19 10:00 = 60 end", "S 09/05/20 08:00 > E 09/05/20 10:15 = 135 now"}},
        {"any later line means the start is not the running one",
         CrLf({"S 09/05/20 08:00", "S 09/04/01 08:00"}), May2009(true, kNow), {}},
        {"a line that is no session line also comes later", CrLf({"S 09/05/20 08:00", "garbage"}),
         May2009(true, kNow), {}},
        {"no now line, no running session", CrLf({"S 09/05/20 08:00"}), May2009(), {}},
        {"a now line before the start closes nothing", CrLf({"S 09/05/20 11:00"}), May2009(true, kNow), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Scan(c.log, c.options).Sessions(), c.sessions);
    }
}

TEST(SessionScanner, EveryReadBlockTellsTheReaderWhatTheReferenceReadTells) {
    // The recorder's own lines among others that the line reader has to split: a lower-case tag,
    // blanks behind, a bare LF, a line longer than the buffer, empty lines, a NUL byte. With
    // blocks of these sizes, starts are left open over block ends and lines straddle them.
    std::string log;
    for (int day = 1; day <= 28; ++day) {
        const std::string date = Format("09/%02d/%02d", 4 + day / 10, day);
        log += "S " + date + " 08:00\r\n";
        if (day % 4 == 0) log += "s " + date + " 08:30\r\n\r\n";
        if (day % 5 == 0) log += "E " + date + " 09:00 " + std::string(30, '-') + "\r\n";
        if (day % 6 == 0) log += "E " + date + std::string(" 09:30\0\r\n", 9);
        log += "E " + date + (day % 3 == 0 ? " 10:00 \r\n" : " 10:00\r\n");
        log += "S " + date + " 23:30" + (day % 7 == 0 ? "\n" : "\r\n");
    }
    ScanOptions plain;
    plain.lineBuffer = 24;
    ScanOptions month = plain;
    SelectMonth(month, 2009, 5);
    month.stopLineCloses = true;
    // From 5 May on, by the text of the date, passing over the lines before it as a period does.
    ScanOptions dates = plain;
    auto fate = [](std::string_view line) { return line.substr(2, 8) < "09/05/05" ? LineFate::Skip : LineFate::Pair; };
    dates.filter = fate;
    dates.passOver = [fate](std::string_view ahead) {
        return SkippedLines(ahead, 23, [&](std::string_view line) { return fate(line) == LineFate::Skip; });
    };
    const std::pair<const char*, ScanOptions> reads[] = {{"every line", plain}, {"May", month}, {"from 5 May", dates}};
    for (const auto& [name, options] : reads) {
        SCOPED_TRACE(name);
        const std::vector<std::string> expected = ReferenceScan(log, options).calls;
        ASSERT_GT(expected.size(), 40u);
        for (const size_t block : {17, 18, 19, 35, 53, 64 * 1024}) {
            ScanOptions blocks = options;
            blocks.readBlock = block;
            EXPECT_EQ(Scan(log, blocks).calls, expected) << block;
        }
    }
}

TEST(SessionScanner, LinesWithoutAValidDateAreNoSessionLines) {
    // None of them pairs, stops the month, opens anything or reaches the reader.
    const std::string log = CrLf({"garbage", "S 09/05/10 08:00", "S 09/05/1x 08:30", "hello 09/06/ world",
                                  "E 09/05/32 09:00", "E 09/02/29 09:00", "E 09/13/10 09:00", "E 09/05/10 09:00",
                                  "S 08/02/29 08:00", "E 08/02/29 09:00", "S 09/05/10"});
    Trace all = Scan(log, {});
    EXPECT_EQ(all.calls, (std::vector<std::string>{
                             "line S 09/05/10 08:00 -", "start S 09/05/10 08:00", "line E 09/05/10 09:00 open",
                             "S 09/05/10 08:00 > E 09/05/10 09:00 = 60 end", "line S 08/02/29 08:00 -",
                             "start S 08/02/29 08:00", "line E 08/02/29 09:00 open",
                             "S 08/02/29 08:00 > E 08/02/29 09:00 = 60 end", "line S 09/05/10 -", "start S 09/05/10"}));
    EXPECT_EQ(Scan(log, May2009()).Sessions(), (std::vector<std::string>{"S 09/05/10 08:00 > E 09/05/10 09:00 = 60 end"}));
}

TEST(SessionScanner, LinesWithoutATimeOfTheDayOrWithANulByteAreNoSessionLines) {
    // Read by their time columns these would add 16:49, 15:39 and more to the sessions.
    static constexpr char kNulLines[] = "E 24/05/03 \0:30\r\nE 24/05/03 18:00\0\r\nE 24/05/03 1\0:30\r\n";
    const std::string log = CrLf({"S 24/05/03 99:99", "S 24/05/03 08:00", "E 24/05/03 25:10", "E 24/05/03 23:60",
                                  "E 24/05/03 12:00", "S 24/05/03 -1:-1", "S 24/05/03 13:00"}) +
                            std::string(kNulLines, sizeof kNulLines - 1) + CrLf({"E 24/05/03 15:30", "S 24/05/04 24:00"});
    EXPECT_EQ(Scan(log, {}).calls,
              (std::vector<std::string>{"line S 24/05/03 08:00 -", "start S 24/05/03 08:00", "line E 24/05/03 12:00 open",
                                        "S 24/05/03 08:00 > E 24/05/03 12:00 = 240 end", "line S 24/05/03 13:00 -",
                                        "start S 24/05/03 13:00", "line E 24/05/03 15:30 open",
                                        "S 24/05/03 13:00 > E 24/05/03 15:30 = 150 end"}));
}

TEST(SessionScanner, TheReadEndsWhenTheReaderHasEnough) {
    TempDir dir;
    dir.Write("log", CrLf({"S 09/05/01 08:00", "E 09/05/01 09:00", "S 09/05/02 08:00", "E 09/05/02 09:00"}));
    Trace reader;
    reader.enoughAfter = 1;
    ASSERT_TRUE(ScanLog(dir.File("log"), {}, reader));
    EXPECT_EQ(reader.calls.back(), "S 09/05/01 08:00 > E 09/05/01 09:00 = 60 end");
}

TEST(SessionScanner, ALogThatCannotBeOpenedHandsOnNothing) {
    TempDir dir;
    Trace reader;
    EXPECT_FALSE(ScanLog(dir.File("missing"), {}, reader));
    EXPECT_FALSE(ScanLog(dir.Path().string(), {}, reader));
    EXPECT_TRUE(reader.calls.empty());
}
