#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "ViewerTestLog.h"
#include "shared/Strings.h"
#include "viewer/report/PngRenderer.h"
#include "viewer/report/Report.h"

using namespace kestrowa;

namespace {

constexpr DateTime kClock{2009, 5, 20, 10, 15, 0};

struct ReportRun {
    int status = 0;
    std::string out;
    std::string err;
};

ReportRun Report(std::vector<std::string> args) {
    ReportRun r;
    r.status = RunReport(args, kClock, r.out, r.err);
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
        lines.push_back(text.substr(from, end - from));
    return lines;
}

const std::string kLog = CrLf({"S 09/05/05 08:00", "E 09/05/05 12:00", "S 09/05/05 13:00", "E 09/05/05 18:00",
                               "S 09/05/10 23:00", "E 09/05/11 01:30", "S 09/05/20 08:00"});

}  // namespace

TEST(Report, PerStartViewOfTheOwnLogAsTabSeparatedCells) {
    TestLog log(kLog);
    ReportRun r = Report({"--log", log.Path(), "--month", "2009-05", "--view", "perstart", "--time", "decimal"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string b13(13, ' ');
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{
                                "caption\t2009年 5月 ",
                                "title\t起動毎の開始・終了時刻及び稼働時間",
                                "total\t13.75",
                                "count-label\t起動回数",
                                "count\t 4",
                                "average\t 3.44 /回",
                                "unit\t(*.*時間)",
                                "group\t 月別 ",
                                "",
                                "No.\t起動時刻\t終了時刻\t稼働時間\t 回 ",
                                "No.  1\t09/05/05 08:00\t" + b13 + " 12:00\t  4.00\t  1/ 2",
                                "No.  2\t" + b13 + " 13:00\t" + b13 + " 18:00\t  5.00\t  2/ 2",
                                "No.  3\t09/05/10 23:00\t09/05/11 01:30\t  2.50\t  1/ 1",
                                "No.  4\t09/05/20 08:00\t" + b13 + " 10:15\t  2.25\t  1/ 1",
                            }));
}

TEST(Report, OptionsReachTheViews) {
    TestLog log(kLog);
    // As a second log the running session is not closed; --now moves the viewer's start.
    ReportRun second = Report({"--log", log.Path(), "--month", "2009-05", "--second-log", "--view", "daily"});
    ASSERT_EQ(second.status, 0);
    EXPECT_EQ(Lines(second.out).back(), "10(日)\t   23:00\t   01:30\t  2:30\t  0:00\t   1");
    ReportRun later = Report({"--log", log.Path(), "--month", "2009-05", "--now", "2009/05/20 11:00", "--month-label", "1"});
    ASSERT_EQ(later.status, 0);
    EXPECT_EQ(Lines(later.out)[2], "total\t14:30");
    EXPECT_EQ(Lines(later.out)[3], "count-label\t稼働日数");
    EXPECT_EQ(Lines(later.out)[4], "count\t3");
    ReportRun noWeeks = Report({"--log", log.Path(), "--month", "2009-05", "--week-record", "0", "--calendar-dates", "0"});
    EXPECT_EQ(Lines(noWeeks.out).size(), 10u + 6u + 2u + 6u);
    EXPECT_EQ(Lines(noWeeks.out)[10], "\t\t\t\t\t 1/   0\t 2/   0");
}

TEST(Report, CsvQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(FormatCsv({{" 1/   0", "a,b", "say \"hi\""}, {}}), " 1/   0,\"a,b\",\"say \"\"hi\"\"\"\r\n\r\n");
    TestLog log(kLog);
    ReportRun r = Report({"--log", log.Path(), "--month", "2009-05", "--view", "yearmonth", "--csv"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("年/月,稼動時間,平均 h/回,起動回数,累計(日),累計回数\r\n"), std::string::npos);
}

TEST(Report, BadArgumentsAndMissingLogExitWithTwo) {
    TestLog log(kLog);
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--log", log.Path()},
        {"--log", log.Path(), "--month", "2009-13"},
        {"--log", log.Path(), "--month", "2009-5"},
        {"--log", log.Path(), "--month", "2009-05", "--view", "weekly"},
        {"--log", log.Path(), "--month", "2009-05", "--time"},
        {"--log", log.Path(), "--month", "2009-05", "--now", "2009/02/30 10:00"},
        {"--log", log.Path(), "--month", "2009-05", "--week-record", "2"},
        {"--log", log.Path(), "--month", "2009-05", "--colour"},
    };
    for (const std::vector<std::string>& args : bad) {
        ReportRun r = Report(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.err.rfind("orvelle-report: ", 0), 0u) << r.err;
    }
    ReportRun missing = Report({"--log", "/nonexistent/Kestrofl.dat", "--month", "2009-05"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "orvelle-report: cannot open the log '/nonexistent/Kestrofl.dat'\n");

    ReportRun help = Report({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: orvelle-report --log FILE", 0), 0u);
}

// Each option is one row of the table: a name it does not hold is unknown wherever it stands,
// and --help names every option with its argument.
TEST(Report, TheOptionTableParsesAndListsEveryOption) {
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--log", "a.dat", "--month", "2009-05", "--colour"}, "unknown argument '--colour'"},
        {{"--log", "a.dat", "--colour", "red"}, "unknown argument '--colour'"},
        {{"--log", "a.dat", "stray"}, "unexpected argument 'stray'"},
        {{"--log", "a.dat", "--month"}, "missing value for --month"},
        {{"--log", "a.dat", "--window", "middle"}, "bad value 'middle' for --window"},
        {{"--csv", "--second-log", "--log", "a.dat"}, "--month is required"},
        {{"--import-events", "e.xml"}, "--import-events and --out go together, without a view, a month or a graph"},
        {{"--out", "h.dat", "--log", "a.dat"}, "--import-events and --out go together, without a view, a month or a graph"},
        {{"--import-events", "e.xml", "--out", "h.dat", "--month", "2009-05"},
         "--import-events and --out go together, without a view, a month or a graph"},
    };
    for (const auto& [args, message] : refused) {
        std::string error;
        EXPECT_FALSE(ParseReportArguments(args, error));
        EXPECT_EQ(error, message);
    }
    const std::string help = ReportHelp();
    for (const char* option : {"--log FILE", "--month YYYY-MM", "--view VIEW", "--from DATE", "--to DATE",
                               "--graph GRAPH", "--time hm|decimal", "--now \"YYYY/MM/DD HH:MM\"", "--second-log",
                               "--month-label 0|1", "--week-record 0|1", "--calendar-dates 0|1", "--activity-dates 0|1",
                               "--hundred-mark 0|1", "--csv", "--window first|latest", "--size WIDTHxHEIGHT", "--svg FILE", "--png FILE",
                               "--import-events FILE.xml", "--out FILE"})
        EXPECT_NE(help.find(std::string("\n  ") + option + " "), std::string::npos) << option;
}

TEST(ReportDrawing, PrintsTheDrawingOneElementALine) {
    TestLog log(kLog);
    ReportRun chart = Report({"--log", log.Path(), "--graph", "chart", "--month", "2009-05"});
    ASSERT_EQ(chart.status, 0) << chart.err;
    const std::vector<std::string> lines = Lines(chart.out);
    EXPECT_EQ(lines[0], "pen #ffffff 1 solid");
    // The 10th, a Sunday, from 23:00 to 01:30; today's running session up to the clock.
    for (const char* line : {"pen #ff0000 2 solid", "line 316 68 357 68", "line 74 116 111 116",
                             "text 74 5 #000000 on #ffffff \"［2009年 5月］ 計：13.75 時間\""})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;

    ReportRun daily = Report({"--log", log.Path(), "--graph", "daily", "--month", "2009-05", "--second-log"});
    EXPECT_NE(daily.out.find("text 106 5 #000000 on #ffffff \"［2009年 5月］ 計：11.50 時間\"\n"), std::string::npos);

    // 98 months of two hours from January 2001, 97 of them complete; no month is asked for.
    std::string months;
    for (int i = 0; i < 98; ++i)
        months += Format("S %02d/%02d/10 08:00\r\nE %02d/%02d/10 10:00\r\n", 1 + i / 12, 1 + i % 12, 1 + i / 12, 1 + i % 12);
    TestLog longLog(months);
    ReportRun latest = Report({"--log", longLog.Path(), "--graph", "monthly"});
    EXPECT_NE(latest.out.find("\"2001年02月～  (最新の96ヶ月)  月平均=2.00時間\""), std::string::npos) << latest.err;
    ReportRun first = Report({"--log", longLog.Path(), "--graph", "monthly", "--window", "first"});
    EXPECT_NE(first.out.find("\"2001年01月～  (96ヶ月)  月平均=2.00時間\""), std::string::npos);
}

TEST(ReportDrawing, WritesSvgAndHandsItToThePngWriter) {
    TestLog log(kLog);
    TempDir out;
    std::string handed, handedPath, o, e;
    auto writer = [&](const std::string& svg, const std::string& path, std::string&) {
        handed = svg;
        handedPath = path;
        return true;
    };
    const std::vector<std::string> chart = {"--log", log.Path(), "--graph", "chart", "--month", "2009-05"};
    std::vector<std::string> args = chart;
    args.insert(args.end(), {"--svg", out.File("c.svg"), "--png", out.File("c.png")});
    ASSERT_EQ(RunReport(args, kClock, o, e, {writer, {}}), 0) << e;
    EXPECT_TRUE(o.empty());
    const std::string written = out.Read("c.svg");
    EXPECT_EQ(written.rfind("<?xml", 0), 0u);
    EXPECT_NE(written.find("width=\"488\" height=\"196\""), std::string::npos);
    EXPECT_NE(written.find(R"(<line x1="316" y1="68" x2="357" y2="68" stroke="#ff0000" stroke-width="2"/>)"),
              std::string::npos);
    EXPECT_EQ(handed, written);
    EXPECT_EQ(handedPath, out.File("c.png"));
    args = chart;
    args.insert(args.end(), {"--size", "549x208", "--svg", out.File("s.svg")});
    ASSERT_EQ(RunReport(args, kClock, o, e), 0) << e;
    EXPECT_NE(out.Read("s.svg").find("width=\"549\" height=\"208\""), std::string::npos);

    auto failing = [](const std::string&, const std::string&, std::string& error) {
        error = "rsvg-convert failed";
        return false;
    };
    args = chart;
    args.insert(args.end(), {"--png", out.File("d.png")});
    EXPECT_EQ(RunReport(args, kClock, o, e, {failing, {}}), 1);
    EXPECT_EQ(e, "orvelle-report: cannot write '" + out.File("d.png") + "': rsvg-convert failed\n");
    args = chart;
    args.insert(args.end(), {"--svg", out.File("none/d.svg")});
    EXPECT_EQ(RunReport(args, kClock, o, e), 1);
}

// The console makes the viewer's history from an export, in the zone it is given, up to the own
// log's first line; anything but a history written is a failure.
TEST(Report, ImportsAnEventExportUpToTheOwnLog) {
    TempDir dir;
    auto event = [](int id, const char* time) {
        return Format("<Event><System><Provider Name='Microsoft-Windows-Kernel-General'/><EventID>%d</EventID>"
                      "<TimeCreated SystemTime='%s'/></System></Event>\n",
                      id, time);
    };
    dir.Write("events.xml", event(12, "2024-03-04T23:10:05Z") + event(13, "2024-03-05T09:20:12Z") +
                                event(12, "2024-03-06T00:00:00Z") + event(13, "2024-03-06T01:00:00Z"));
    dir.Write("Kestrofl.dat", "S 24/03/06 08:00\r\n");
    const ReportSystem japan{{}, [](std::int64_t t) { return std::optional<DateTime>(DateTimeFromSeconds(t + 9 * 3600)); }};
    std::string out, err;
    ASSERT_EQ(RunReport({"--import-events", dir.File("events.xml"), "--out", dir.File("h.dat"), "--log",
                         dir.File("Kestrofl.dat")},
                        kClock, out, err, japan),
              0)
        << err;
    EXPECT_EQ(dir.Read("h.dat"), "S 24/03/05 08:10\r\nE 24/03/05 18:20\r\n");
    EXPECT_EQ(out, "イベント 4 件から 1 回の稼働（2024/03/05 ～ 2024/03/05）を見つけ、\n" + dir.File("h.dat") +
                       " に書き込みました。\n");
    out.clear();
    EXPECT_EQ(RunReport({"--import-events", dir.File("none.xml"), "--out", dir.File("h.dat")}, kClock, out, err, japan),
              1);
    EXPECT_EQ(err, "orvelle-report: ファイル " + dir.File("none.xml") + " を読み取れません。\n");
    EXPECT_TRUE(out.empty());
}

TEST(ReportDrawing, BadDrawingArgumentsExitWithTwo) {
    TestLog log(kLog);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--log", log.Path(), "--graph", "daily"},
             {"--log", log.Path(), "--graph", "weekly", "--month", "2009-05"},
             {"--log", log.Path(), "--graph", "monthly", "--window", "middle"},
             {"--log", log.Path(), "--graph", "monthly", "--size", "15x208"},
             {"--log", log.Path(), "--graph", "monthly", "--size", "549x"},
             {"--log", log.Path(), "--graph", "monthly", "--size", "10000x208"},
             {"--log", log.Path(), "--graph", "monthly", "--size", "549*208"},
             {"--log", log.Path(), "--month", "2009-05", "--svg", "out.svg"},
             {"--log", "/nonexistent/Kestrofl.dat", "--graph", "monthly"},
         }) {
        ReportRun r = Report(args);
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(Report, AFifoOrAFolderIsALogThatCannotBeOpened) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    for (const std::string& path : {dir.File("fifo"), dir.Path().string()}) {
        for (const char* view : {"calendar", "yearmonth"}) {
            ReportRun r = Report({"--log", path, "--month", "2009-05", "--view", view});
            EXPECT_EQ(r.status, 2) << path << " " << view;
            EXPECT_EQ(r.err, "orvelle-report: cannot open the log '" + path + "'\n");
            EXPECT_TRUE(r.out.empty());
        }
    }
}

TEST(Report, PeriodViewsPrintThePeriodItsSummaryAndItsCells) {
    TestLog log(CrLf({"S 09/04/12 08:00", "E 09/04/12 12:30", "S 09/04/12 13:00", "E 09/04/12 15:00",
                      "S 09/04/14 09:00", "E 09/04/14 10:00", "S 09/05/03 09:00", "E 09/05/03 09:30"}));
    // The start before the log moves onto its first date.
    ReportRun days = Report({"--log", log.Path(), "--view", "period-days", "--from", "2009/01/01", "--to", "2009/04/14",
                             "--time", "decimal"});
    ASSERT_EQ(days.status, 0) << days.err;
    EXPECT_EQ(Lines(days.out), (std::vector<std::string>{
                                   "from\t2009/4/12",
                                   "to\t2009/4/14",
                                   "length\t(  3日間)",
                                   "total\t7.50",
                                   "rows\t  2",
                                   "starts\t   3",
                                   "per-row\t3.75 h/日",
                                   "per-start\t2.50 h/回",
                                   "",
                                   "月/日\t稼動(h)\t平均 h/回\t起動回数\t累計稼動(h)\t累計回数\t日数",
                                   "04/12\t   6.50\t  3.25\t   2\t   6.50\t   2\t  1",
                                   "04/14\t   1.00\t  1.00\t   1\t   7.50\t   3\t  2",
                               }));

    // A last month before the start moves after it; the label is blanked.
    ReportRun months = Report({"--log", log.Path(), "--view", "period-months", "--from", "2009/04", "--to", "2009/01"});
    ASSERT_EQ(months.status, 0) << months.err;
    const std::vector<std::string> lines = Lines(months.out);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[1], "to\t2009/5");
    EXPECT_EQ(lines[2], "length\t           ");
    EXPECT_EQ(lines[3], "total\t  8:00");
    EXPECT_EQ(lines[10], "09/04\t  7:30\t  2:30\t    3\t   0.31\t    3\t  1");
    EXPECT_EQ(lines[11], "09/05\t  0:30\t  0:30\t    1\t   0.33\t    4\t  2");
}

TEST(Report, PeriodsTheDialogRefusesExitWithThree) {
    TestLog log(CrLf({"S 09/04/12 08:00", "E 09/04/12 12:30"}));
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--view", "period-days", "--from", "2009/04/12"}, "期間の年月日が入力されていません！\n"},
        {{"--view", "period-days", "--from", "2009/04/12", "--to", "2010/04/18"}, "期間が370日を超えています！\n"},
        {{"--view", "period-months", "--to", "2019/05"}, "期間が120ヶ月を超えています！\n"},
    };
    for (const auto& [args, message] : refused) {
        std::vector<std::string> all = {"--log", log.Path()};
        all.insert(all.end(), args.begin(), args.end());
        ReportRun r = Report(all);
        EXPECT_EQ(r.status, 3);
        EXPECT_EQ(r.err, message);
        EXPECT_TRUE(r.out.empty());
    }
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--view", "period-days", "--from", "2009/04", "--to", "2009/05/01"},
             {"--view", "period-months", "--from", "2009/4/1", "--to", "2009/05"},
             {"--view", "period-months", "--from", "09/04", "--to", "2009/05"},
             {"--view", "period-days", "--from", "2009/13/01", "--to", "2009/12/01"},
             {"--month", "2009-05", "--from", "2009/04/01"},
         }) {
        std::vector<std::string> all = {"--log", log.Path()};
        all.insert(all.end(), bad.begin(), bad.end());
        EXPECT_EQ(Report(all).status, 2) << bad[1] << " " << bad[3];
    }
    EXPECT_EQ(Report({"--log", log.Path() + ".missing", "--view", "period-days", "--to", "2009/05/01"}).status, 2);
}

namespace {

// Stand-ins for rsvg-convert: one in the folder the report runs in, which must never run, and one
// in a folder of the PATH, which notes its arguments and copies the SVG it is given to the PNG
// path. The test runs in the first folder with PATH set as it says, and puts both back after.
class PngRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        Plant(here_, "rsvg-convert", "#!/bin/sh\nPATH=/usr/bin:/bin\ntouch \"$0.ran\"\n");
        Plant(onPath_, "rsvg-convert",
              "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\n' \"$@\" > \"$0.args\" && cat \"$4\" > \"$3\"\n");
        const char* path = std::getenv("PATH");
        savedPath_ = path ? path : "";
        savedFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(here_.Path());
    }
    void TearDown() override {
        std::filesystem::current_path(savedFolder_);
        ::setenv("PATH", savedPath_.c_str(), 1);
    }
    static void Plant(const TempDir& dir, const std::string& name, const std::string& script) {
        dir.Write(name, script);
        ::chmod(dir.File(name).c_str(), 0755);
    }

    TempDir here_, onPath_, out_;
    std::string savedPath_;
    std::filesystem::path savedFolder_;
};

}  // namespace

TEST_F(PngRendererTest, TheRendererIsTakenFromThePathNeverFromTheCurrentFolder) {
    // Empty entries and "." stand for the current folder.
    ::setenv("PATH", (":.:" + onPath_.Path().string() + ":").c_str(), 1);
    std::string error;
    ASSERT_TRUE(RenderPng("<svg/>", out_.File("c.png"), error)) << error;
    EXPECT_EQ(out_.Read("c.png"), "<svg/>");
    const std::string args = onPath_.Read("rsvg-convert.args");
    const std::string prefix = "--format=png\n--output\n" + out_.File("c.png") + "\n";
    ASSERT_EQ(args.rfind(prefix, 0), 0u) << args;
    // The SVG's temporary file is gone.
    EXPECT_FALSE(std::filesystem::exists(args.substr(prefix.size(), args.size() - prefix.size() - 1)));

    EXPECT_FALSE(RenderPng("<svg/>", out_.File("none/d.png"), error));
    EXPECT_EQ(error, "rsvg-convert failed");

    ::setenv("PATH", ":.:bin", 1);
    EXPECT_FALSE(RenderPng("<svg/>", out_.File("e.png"), error));
    EXPECT_EQ(error, "rsvg-convert was not found on the PATH");
    EXPECT_FALSE(std::filesystem::exists(here_.File("rsvg-convert.ran")));
}
