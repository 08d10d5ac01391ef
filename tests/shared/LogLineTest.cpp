#include <gtest/gtest.h>

#include <cstdlib>

#include "shared/Hours.h"
#include "shared/LogLine.h"
#include "shared/Strings.h"

using namespace kestrowa;

TEST(LogLine, StartLineKeepsFourDigitsInFullFormAndTwoInFile) {
    std::string full = FullStartLine({2011, 5, 3, 8, 15, 59});
    EXPECT_EQ(full, "S 2011/05/03 08:15");
    EXPECT_EQ(full.size(), 18u);
    EXPECT_EQ(FileLine(full), "S 11/05/03 08:15");
    EXPECT_EQ(FullEndLine({2009, 12, 31, 0, 0, 0}), "E 2009/12/31 00:00");
    EXPECT_EQ(FileLine(""), "");
    EXPECT_EQ(FileLine("E 2"), "E ");
}

TEST(LogLine, ToIntFollowsTheCLibrary) {
    EXPECT_EQ(ToInt("08"), 8);
    EXPECT_EQ(ToInt(" 7x"), 7);
    EXPECT_EQ(ToInt("ab"), 0);
    EXPECT_EQ(ToInt(""), 0);
    EXPECT_EQ(ToInt("-3"), -3);
}

TEST(LogLine, SessionMinutesPairsStartAndEnd) {
    struct Case {
        const char* start;
        const char* end;
        int minutes;
    } cases[] = {
        {"S 11/05/03 08:15", "E 11/05/03 10:45", 150},
        {"S 11/05/03 23:00", "E 11/05/04 01:30", 150},   // across midnight
        {"S 11/05/01 10:00", "E 11/05/04 09:00", 1380},  // one day added, however many lie between
        {"S 11/05/31 22:00", "E 11/06/01 02:00", 240},   // across the month end
        {"S 99/12/31 23:00", "E 00/01/01 01:00", 120},   // across the century
        {"S 11/05/03 10:00", "E 11/05/03 10:00", 0},
        {"S 11/05/03 10:00", "E 11/05/03 09:58", -2},    // a start moved after its end stays negative
        {"S 11/05/03 10:00", "E 11/05/02 22:47", 0},     // stale heartbeat of an earlier day: no length
        {"S 00/01/01 10:00", "E 99/12/31 22:47", 0},
        {"S 11/05/03 xx:yy", "E 11/05/03 01:05", 65},    // a non-number counts as 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(SessionMinutes(ParseLogLine(c.start), ParseLogLine(c.end)), c.minutes) << c.start << " " << c.end;
}

TEST(LogLine, ADateMustExist) {
    struct Case {
        const char* line;
        bool valid;
    } cases[] = {
        {"S 11/05/03 08:15", true},  {"E 00/02/29 00:00", true},  {"S 99/02/29 08:00", false},
        {"S 09/04/31 08:00", false}, {"S 09/12/31", true},        {"S 09/00/10 08:00", false},
        {"S 09/05/00 08:00", false}, {" S 09/05/10 08:00", false}, {"S 09-05-10 08:00", false},
        {"S 9/05/10 08:00", false},  {"S  9/05/10 08:00", false}, {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(HasLogDate(c.line), c.valid) << c.line;
}

// The shortcuts for lines of the recorder's form against the general rule and parse, over every
// value of the date's fields (each date asked twice, the second time of the date just passed) and
// every value of the time's, the date passed or not.
TEST(LogLine, RecorderFormShortcutsAgreeWithTheRule) {
    std::string line = "S 00/00/00 00:00";
    auto put = [&line](size_t at, int value) {
        line[at] = static_cast<char>('0' + value / 10);
        line[at + 1] = static_cast<char>('0' + value % 10);
    };
    SessionLineTest test;
    put(11, 23);
    put(14, 59);
    for (int date = 0; date < 1000000; ++date) {
        put(2, date / 10000);
        put(5, date / 100 % 100);
        put(8, date % 100);
        ASSERT_EQ(test(line, true), IsSessionLine(line)) << line;
        ASSERT_EQ(test(line, true), IsSessionLine(line)) << line;
    }
    for (const char* date : {"24/02/29", "23/02/29"}) {
        line.replace(2, 8, date);
        for (int time = 0; time < 10000; ++time) {
            put(11, time / 100);
            put(14, time % 100);
            ASSERT_EQ(test(line, true), IsSessionLine(line)) << line;
            LogStamp shortcut, rule;
            ParseLogLine(line, shortcut, true);
            ParseLogLine(line, rule);
            ASSERT_EQ(shortcut.minutes, rule.minutes) << line;
        }
    }
}

TEST(Hours, SplitTruncatesNeverRounds) {
    struct Case {
        int minutes;
        int hours;
        int rest;
    } cases[] = {{61, 1, 1}, {179, 2, 59}, {150, 2, 30}, {59, 0, 59}, {0, 0, 0}, {6000, 100, 0}};
    for (const Case& c : cases) {
        HoursAndMinutes hm = SplitHours(HoursFromMinutes(c.minutes));
        EXPECT_EQ(hm.hours, c.hours) << c.minutes;
        EXPECT_EQ(hm.minutes, c.rest) << c.minutes;
    }
    EXPECT_EQ(Format("%6.2f", HoursFromMinutes(150)), "  2.50");
}

// The sums of the period view add each session's hours as its text shows them.
TEST(Hours, ShownHoursIsTheValueOfTheTwoDecimalText) {
    for (int minutes = 0; minutes <= 200000; ++minutes) {
        const float hours = HoursFromMinutes(minutes);
        ASSERT_EQ(ShownHours(hours), std::atof(Format("%6.02f", hours).c_str())) << minutes;
    }
}
