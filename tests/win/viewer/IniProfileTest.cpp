#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "platform/win/os/IniProfile.h"
#include "viewer/ViewerSettings.h"

using namespace kestrowa;

// The viewer's settings file through the private profile functions.
TEST(IniProfile, FirstStartWritesTheEditorIntoSectionSystem) {
    TempDir dir;
    IniProfile profile(dir.File("ORVELLE.INI"));
    ViewerSettings s = ReadViewerSettings(profile, "C:\\WINDOWS");
    EXPECT_EQ(s.editor, "C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(s.weekRecord, 1);
    EXPECT_EQ(s.settingsPage, 1);
    const std::string file = dir.Read("ORVELLE.INI");
    EXPECT_NE(file.find("[System]"), std::string::npos) << file;
    EXPECT_NE(file.find("Editor=C:\\WINDOWS\\NOTEPAD.EXE"), std::string::npos) << file;
    EXPECT_EQ(file.find("WeekRecord"), std::string::npos) << file;
}

TEST(IniProfile, ReadsWhatTheFileHolds) {
    TempDir dir;
    dir.Write("ORVELLE.INI", CrLf({"[System]", "Editor=D:\\bin\\edit.exe", "TimeMode=1", "SecondLog=D:\\a b\\x.dat",
                                   "", "[Period]", "StartYearDay=2009"}));
    IniProfile profile(dir.File("ORVELLE.INI"));
    ViewerSettings s = ReadViewerSettings(profile, "C:\\WINDOWS");
    EXPECT_EQ(s.editor, "D:\\bin\\edit.exe");
    EXPECT_EQ(s.timeMode, 1);
    EXPECT_EQ(s.secondLog, "D:\\a b\\x.dat");
    EXPECT_EQ(profile.ReadText("Period", "StartYearDay", ""), "2009");
    EXPECT_EQ(profile.ReadInt("System", "MonthLabel", 7), 7);

    // A value longer than the first buffer comes back whole.
    const std::string longPath = "D:\\" + std::string(600, 'k') + ".dat";
    profile.WriteText("System", "SubFile2", longPath);
    EXPECT_EQ(profile.ReadText("System", "SubFile2", ""), longPath);
    profile.WriteInt("System", "TabNo", 0);
    EXPECT_EQ(profile.ReadInt("System", "TabNo", 1), 0);
}

TEST(IniProfile, AMissingFileReadsTheDefaults) {
    IniProfile profile("C:\\no-such-folder-kestrowa\\ORVELLE.INI");
    EXPECT_EQ(profile.ReadInt("System", "WeekRecord", 1), 1);
    EXPECT_EQ(profile.ReadText("System", "LogFile", "x"), "x");
}
