#include <gtest/gtest.h>

#include "fakes/MemoryProfile.h"
#include "platform/Profile.h"
#include "viewer/LogEditor.h"
#include "viewer/MonthSelection.h"
#include "viewer/ViewerSettings.h"

using namespace kestrowa;

TEST(ViewerSettingsRead, FirstStartWritesOnlyTheEditor) {
    MemoryProfile profile;
    ViewerSettings s = ReadViewerSettings(profile, "C:\\WINDOWS");
    EXPECT_EQ(s.editor, "C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(profile.ReadText("System", "Editor", ""), "C:\\WINDOWS\\NOTEPAD.EXE");
    for (const char* key : {"LogFile", "SecondLog", "MonthLabel", "WeekRecord", "TimeMode", "TabNo"})
        EXPECT_FALSE(profile.Has("System", key)) << key;
    EXPECT_EQ(s.weekRecord, 1);
    EXPECT_EQ(s.dailyViewAtEnd, 1);
    EXPECT_EQ(s.timeMode, 0);
    EXPECT_EQ(s.monthLabel, 0);
    EXPECT_EQ(s.settingsPage, 1);
}

TEST(ViewerSettingsRead, StoredValuesAreRead) {
    MemoryProfile profile;
    profile.WriteText("System", "Editor", "D:\\bin\\edit.exe");
    profile.WriteText("System", "SecondLog", "D:\\logs\\old.dat");
    profile.WriteInt("System", "TimeMode", 1);
    profile.WriteInt("System", "HundredMark", 1);
    ViewerSettings s = ReadViewerSettings(profile, "C:\\WINDOWS");
    EXPECT_EQ(s.editor, "D:\\bin\\edit.exe");
    EXPECT_EQ(s.secondLog, "D:\\logs\\old.dat");
    EXPECT_EQ(s.timeMode, 1);
    EXPECT_EQ(s.hundredMark, 1);
    EXPECT_EQ(SubFileKey(2), "SubFile2");
}

TEST(ViewerSettingsRead, ValuesOutsideTheirRangeReadAsTheDefault) {
    MemoryProfile profile;
    profile.WriteInt("System", "TimeMode", 2);
    profile.WriteInt("System", "WeekRecord", -1);
    profile.WriteInt("System", "TabNo", 0x7fffffff);
    profile.WriteInt("System", "CombSelectNo", 10);
    profile.WriteInt("System", "HundredMark", 0);
    profile.WriteInt("System", "DayLastPosition", 0);
    ViewerSettings s = ReadViewerSettings(profile, "C:\\WINDOWS");
    EXPECT_EQ(s.timeMode, 0);
    EXPECT_EQ(s.weekRecord, 1);
    EXPECT_EQ(s.settingsPage, 1);
    EXPECT_EQ(s.chosenLog, 0);
    EXPECT_EQ(s.hundredMark, 0);
    EXPECT_EQ(s.perStartViewAtEnd, 0) << "the low end of a range is kept";
    profile.WriteInt("System", "CombSelectNo", 9);
    EXPECT_EQ(ReadViewerSettings(profile, "C:\\WINDOWS").chosenLog, 9);
}

TEST(MonthSelection, YearEdit) {
    const DateTime today{2026, 5, 20, 10, 0, 0};
    struct Case {
        const char* text;
        int shownMonth;
        int year, month;
        const char* yearText;
        const char* monthText;
    } cases[] = {
        {"2009", 12, 2009, 12, "", ""},
        {"2,009", 7, 2009, 7, "", ""},                // separator of the spin control
        {"2030", 3, 2026, 3, "2026", ""},             // a later year is today's
        {"2026", 8, 2026, 5, "", " 5"},               // and no month after today's
        {"2031", 9, 2026, 5, "2026", " 5"},
        {"abc", 3, 2010, 3, "", ""},                  // not a number: the shown year stays
        {"", 3, 2010, 3, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MonthChoice m = YearEdited(c.text, 2010, c.shownMonth, today);
        EXPECT_EQ(m.year, c.year);
        EXPECT_EQ(m.month, c.month);
        EXPECT_EQ(m.yearText, c.yearText);
        EXPECT_EQ(m.monthText, c.monthText);
    }
    EXPECT_EQ(YearSpinRange(today).low, 2001);
    EXPECT_EQ(YearSpinRange(today).high, 2026);
}

TEST(MonthSelection, MonthEdit) {
    const DateTime today{2026, 5, 20, 10, 0, 0};
    struct Case {
        const char* text;
        int shownYear, loadedMonth;
        int year, month;
        const char* yearText;
        const char* monthText;
    } cases[] = {
        {"7", 2010, 6, 2010, 7, "", ""},
        {"12", 2010, 1, 2009, 12, "2009", ""},        // spun down past January
        {"1", 2010, 12, 2011, 1, "2011", ""},         // spun up past December
        {"1", 2025, 12, 2026, 1, "2026", ""},
        {"9", 2026, 4, 2026, 5, "", "   5"},          // after today's month
        {"13", 2010, 6, 2010, 12, "", "12"},          // brought into 1..12
        {"0", 2010, 6, 2010, 1, "", " 1"},
        {"", 2010, 6, 2010, 6, "", ""},               // not a number: the shown month stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MonthChoice m = MonthEdited(c.text, c.shownYear, c.loadedMonth, c.loadedMonth, today);
        EXPECT_EQ(m.year, c.year);
        EXPECT_EQ(m.month, c.month);
        EXPECT_EQ(m.yearText, c.yearText);
        EXPECT_EQ(m.monthText, c.monthText);
    }
    // December of today's year spun up to January keeps today's year and month.
    const DateTime december{2026, 12, 3, 9, 0, 0};
    MonthChoice wrap = MonthEdited("1", 2026, 12, 12, december);
    EXPECT_EQ(wrap.year, 2026);
    EXPECT_EQ(wrap.month, 1);
}

TEST(LogEditor, TheOwnLogOrTheSecondLogOpens) {
    EXPECT_EQ(EditorLogPath("C:\\Kestrowa\\", ""), "C:\\Kestrowa\\KESTROFL.DAT");
    EXPECT_EQ(EditorLogPath("C:\\Kestrowa\\", "D:\\logs\\MEASONTM.LOG"), "D:\\logs\\MEASONTM.LOG");
}

TEST(LogEditor, CommandLineQuotesTheEditorAndALogPathWithBlanks) {
    const std::string longPath = "C:\\Program Files\\" + std::string(300, 'k') + "\\Kestrofl.dat";
    struct Case {
        std::string editor;
        std::string log;
        std::string line;
    } cases[] = {
        {"C:\\WINDOWS\\NOTEPAD.EXE", "C:\\Kestrowa\\Kestrofl.dat",
         "\"C:\\WINDOWS\\NOTEPAD.EXE\" C:\\Kestrowa\\Kestrofl.dat"},
        {"C:\\WINDOWS\\NOTEPAD.EXE", longPath, "\"C:\\WINDOWS\\NOTEPAD.EXE\" \"" + longPath + "\""},
        // Only the configured program can start, never C:\Program.exe.
        {"C:\\Program Files\\Ed\\ed.exe", "D:\\a.dat", "\"C:\\Program Files\\Ed\\ed.exe\" D:\\a.dat"},
        {"\"C:\\Program Files\\Ed\\ed.exe\"", "D:\\a.dat", "\"C:\\Program Files\\Ed\\ed.exe\" D:\\a.dat"},
        // An empty setting starts nothing, not the log itself.
        {"", "D:\\a.dat", "\"\" D:\\a.dat"},
    };
    for (const Case& c : cases) EXPECT_EQ(EditorCommandLine(c.editor, c.log), c.line) << c.editor;
}
