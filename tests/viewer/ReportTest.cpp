#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ViewerTestLog.h"
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
