#include <gtest/gtest.h>

#include "TempDir.h"
#include "recorder/ViewerSettingsFile.h"

using namespace kestrowa;

namespace {

TEST(ViewerSettings, ResetLines) {
    struct Case {
        const char* line;
        const char* after;
    } cases[] = {
        {"SecondLog=D:\\logs\\other.dat", "SecondLog="},
        {"TabNo=3", "TabNo=1"},
        {"TabNo=0", "TabNo=1"},
        {"CombSelectNo=4", "CombSelectNo=0"},
        {"SecondLogTabNo=9", "SecondLog="},  // tested in this order
        {"[System]", "[System]"},
        {"secondlog=x", "secondlog=x"},  // case counts
        {" Editor = C:\\WINDOWS\\NOTEPAD.EXE ", " Editor = C:\\WINDOWS\\NOTEPAD.EXE "},
    };
    for (const Case& c : cases) EXPECT_EQ(ResetViewerSettingsLine(c.line), c.after) << c.line;
}

TEST(ViewerSettings, RewriteDropsBlankLinesAndKeepsEveryOtherByte) {
    TempDir dir;
    // Shift-JIS bytes of a folder name, a tab, trailing blanks and a bare LF line end.
    const std::string sjisPath = "LogFile=C:\\\x83\x8d\x83\x4f\\\r\n";
    dir.Write("ORVELLE.INI", "[System]\r\nSecondLog=D:\\other.dat\r\n\r\nTabNo=3\r\nTimeMode=1 \t\r\n" + sjisPath +
                                 "CombSelectNo=2\n\r\n\r\n[Period]\r\nStartYearDay=2011");
    ResetViewerSettings(dir.File("ORVELLE.INI"));
    EXPECT_EQ(dir.Read("ORVELLE.INI"), "[System]\r\nSecondLog=\r\nTabNo=1\r\nTimeMode=1 \t\r\n" + sjisPath +
                                           "CombSelectNo=0\r\n[Period]\r\nStartYearDay=2011\r\n");
}

TEST(ViewerSettings, LongAndManyLinesAreAllKept) {
    TempDir dir;
    std::string bytes = "[System]\r\n";
    const std::string longLine = "SubFile2=C:\\" + std::string(250, 'x') + "\\Kestrofl.dat";
    bytes += longLine + "\r\n";
    for (int i = 0; i < 40; ++i) bytes += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    dir.Write("ORVELLE.INI", bytes);
    ResetViewerSettings(dir.File("ORVELLE.INI"));
    EXPECT_EQ(dir.Read("ORVELLE.INI"), bytes);
}

TEST(ViewerSettings, MissingFileIsNotCreated) {
    TempDir dir;
    ResetViewerSettings(dir.File("ORVELLE.INI"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("ORVELLE.INI")));
    EXPECT_EQ(ReadViewerSecondLog(dir.File("ORVELLE.INI")), "");
}

TEST(ViewerSettings, SecondLogReadBack) {
    TempDir dir;
    const std::string longPath = "D:\\" + std::string(150, 'y') + "\\other.dat";
    struct Case {
        std::string bytes;
        std::string secondLog;
    } cases[] = {
        {"[System]\r\nSecondLog=D:\\other.dat\r\nSecondLog=E:\\x.dat\r\n", "D:\\other.dat"},
        {"[System]\r\nSecondLog=\r\n", ""},
        {"[System]\r\nTabNo=1\r\n", ""},
        {"SecondLog=" + longPath + "\r\n", longPath},
    };
    for (const Case& c : cases) {
        dir.Write("ORVELLE.INI", c.bytes);
        EXPECT_EQ(ReadViewerSecondLog(dir.File("ORVELLE.INI")), c.secondLog);
    }
}

}  // namespace
