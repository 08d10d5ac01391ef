#include <gtest/gtest.h>

#include "ViewerTestLog.h"
#include "viewer/history/EventHistory.h"
#include "viewer/report/Report.h"

using namespace kestrowa;

// 00-79 are 2000-2079 and 80-99 are 1980-1999 in the headings of the year-month view and graph, in
// a period read by its dates (the period's start moves onto the log's first date) and in the own
// log's start, before which the event history is taken.
TEST(Century, TwoDigitYearsReadAlikeInEveryView) {
    const std::pair<std::string, std::string> cases[] = {{"79", "2079"}, {"80", "1980"}, {"99", "1999"}, {"00", "2000"}};
    for (const auto& [yy, year] : cases) {
        const TestLog log("S " + yy + "/01/05 08:00\r\nE " + yy + "/01/05 10:00\r\nS " + yy + "/02/05 08:00\r\nE " + yy +
                          "/02/05 10:00\r\nS " + yy + "/03/05 08:00\r\n");
        EXPECT_EQ(OwnLogStart(log.Path()).value().year, std::stoi(year)) << yy;
        const std::pair<std::vector<std::string>, std::string> shown[] = {
            {{"--view", "yearmonth", "--month", year + "-01"}, "group\t" + year + "年01月～"},
            {{"--graph", "monthly"}, "\"" + year + "年01月～  (2ヶ月)"},
            {{"--graph", "monthly"}, "\"" + yy + "/01\""},
            {{"--view", "period-days", "--from", year + "/01/01", "--to", year + "/03/31"}, "from\t" + year + "/1/5\n"},
        };
        for (auto [args, text] : shown) {
            args.insert(args.begin(), {"--log", log.Path()});
            std::string out, err;
            EXPECT_EQ(RunReport(args, {2009, 5, 20, 10, 15, 0}, out, err), 0) << err;
            EXPECT_NE(out.find(text), std::string::npos) << yy << ": " << out;
        }
    }
}
