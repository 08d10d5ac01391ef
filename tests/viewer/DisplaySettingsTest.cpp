#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "fakes/MemoryProfile.h"
#include "viewer/settings/DisplaySettings.h"

using namespace kestrowa;

namespace {

const DateTime kStart{2009, 5, 20, 10, 15, 0};

// The settings file, with every write kept in order as "Key=value".
class RecordingProfile : public MemoryProfile {
public:
    void WriteInt(std::string_view section, std::string_view key, int value) override {
        writes.push_back(std::string(key) + "=" + std::to_string(value));
        MemoryProfile::WriteInt(section, key, value);
    }
    void WriteText(std::string_view section, std::string_view key, std::string_view value) override {
        writes.push_back(std::string(key) + "=" + std::string(value));
        MemoryProfile::WriteText(section, key, value);
    }
    std::vector<std::string> writes;
};

FurtherLogs Further(std::initializer_list<const char*> paths) {
    FurtherLogs logs;
    size_t i = 0;
    for (const char* path : paths) logs[i++] = path;
    return logs;
}

// The main window's month state on a folder with the own log and one more log.
class ApplyTest : public ::testing::Test {
protected:
    void SetUp() override {
        profile_ = RecordingProfile();
        dir_.Write("Kestrofl.dat", CrLf({"S 09/05/01 08:00", "E 09/05/01 09:00"}));
        dir_.Write("other.dat", CrLf({"S 09/05/02 08:00", "E 09/05/02 11:30"}));
        ViewerSettings settings;
        settings.editor = "C:\\WINDOWS\\NOTEPAD.EXE";
        viewer_ = std::make_unique<MonthViewer>(settings, dir_.File("Kestrofl.dat"), kStart);
        ASSERT_TRUE(viewer_->ReadMonth(2009, 5));
        viewer_->ShowView(ViewKind::Calendar);
    }

    DisplaySettingsValues Opened() const { return DisplaySettingsFor(viewer_->Options(), folder(), profile_); }
    std::string folder() const { return dir_.Path().string() + "/"; }

    AppliedDisplaySettings Apply(const std::optional<DisplaySettingsValues>& confirmed) {
        profile_.writes.clear();
        return ApplyDisplaySettings(*viewer_, ReadFurtherLogs(profile_), confirmed, profile_,
                                    [this](const std::string& text) { warnings_.push_back(text); });
    }
    // The writes besides the two that every closing makes.
    std::vector<std::string> MarkedWrites() const {
        std::vector<std::string> marked;
        for (const std::string& w : profile_.writes)
            if (w.rfind("SecondLog=", 0) != 0 && w.rfind("SubFile", 0) != 0) marked.push_back(w);
        return marked;
    }

    TempDir dir_;
    RecordingProfile profile_;
    std::unique_ptr<MonthViewer> viewer_;
    std::vector<std::string> warnings_;
};

}  // namespace

TEST_F(ApplyTest, EachChangeWritesItsKeysAndRedisplaysWhenItShows) {
    using Values = DisplaySettingsValues;
    struct Case {
        const char* name;
        void (*change)(Values&);
        std::vector<std::string> writes;
        bool redisplay;
    } cases[] = {
        {"nothing", [](Values&) {}, {}, false},
        {"calendar dates", [](Values& v) { v.items.calendarDates = 0; }, {}, true},
        {"activity dates", [](Values& v) { v.items.activityDates = 0; }, {}, true},
        {"outside folder", [](Values& v) { v.files.logFile = "D:\\meas\\"; }, {"LogFile=D:\\meas\\"}, false},
        {"editor", [](Values& v) { v.files.editor = "d:\\ed.exe"; }, {"Editor=d:\\ed.exe"}, false},
        {"time format", [](Values& v) { v.items.timeMode = 1; }, {"TimeMode=1", "MonthLabel=0"}, true},
        {"monthly summary", [](Values& v) { v.items.monthLabel = 1; }, {"TimeMode=0", "MonthLabel=1"}, true},
        {"list index", [](Values& v) { v.files.selectedIndex = 3; }, {"CombSelectNo=3"}, false},
        // Marked 次回から有効: written, nothing redrawn.
        {"hundred mark", [](Values& v) { v.items.hundredMark = 1; }, {"HundredMark=1"}, false},
        {"tab", [](Values& v) { v.tab = 0; }, {"TabNo=0"}, false},
        {"one scroll flag",
         [](Values& v) { v.items.yearMonthViewAtEnd = 0; },
         {"MnthLastPosition=1", "DayLastPosition=1", "CarrerLastPosition=0", "PeriodLastPosition=1"},
         false},
        {"weekly status", [](Values& v) { v.items.weekRecord = 0; }, {"WeekRecord=0"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Values values = Opened();
        c.change(values);
        const AppliedDisplaySettings applied = Apply(values);
        EXPECT_EQ(MarkedWrites(), c.writes);
        EXPECT_EQ(applied.view.has_value(), c.redisplay);
        EXPECT_TRUE(warnings_.empty());
    }
}

TEST_F(ApplyTest, EverythingChangedIsWrittenInItsOrder) {
    viewer_->Options().calendarDates = 0;
    DisplaySettingsValues values = Opened();
    EXPECT_EQ(values.items.calendarDates, 0);
    EXPECT_EQ(values.files.editor, "C:\\WINDOWS\\NOTEPAD.EXE");
    values.tab = 0;
    values.items = {1, 1, 1, 0, 0, 1, 0, 0, 0, 0};
    values.files = {2, "D:\\meas\\", dir_.File("other.dat"), "d:\\ed.exe", Further({"a.dat", "b.dat"})};
    const AppliedDisplaySettings applied = Apply(values);
    const std::vector<std::string> expected = {
        "LogFile=D:\\meas\\", "Editor=d:\\ed.exe", "MnthLastPosition=0", "DayLastPosition=0",
        "CarrerLastPosition=0", "PeriodLastPosition=0", "TabNo=0", "CombSelectNo=2", "HundredMark=1",
        "WeekRecord=0", "SecondLog=" + dir_.File("other.dat"), "SubFile2=a.dat", "SubFile3=b.dat",
        "TimeMode=1", "MonthLabel=1"};
    EXPECT_EQ(profile_.writes, expected);
    EXPECT_EQ(applied.unitLabel, "(*.*時間)");
    EXPECT_TRUE(applied.totalShown);
    ASSERT_TRUE(applied.view.has_value());
    // The other log's month, in decimal hours with the day count.
    EXPECT_EQ(applied.view->summary.total, "3.50");
    EXPECT_EQ(applied.view->summary.countLabel, "稼働日数");
    EXPECT_EQ(viewer_->Title(), "Orvelle Check (" + dir_.File("other.dat") + ")");
    const ViewOptions& options = viewer_->Options();
    EXPECT_EQ(options.calendarDates, 1);
    EXPECT_EQ(options.perStartDates, 0);
    EXPECT_EQ(options.settings.hundredMark, 1);
}

TEST_F(ApplyTest, CancelTakesNothingOverButStillWritesTheLogChoiceAndTestsIt) {
    profile_.WriteText("System", "SubFile3", "kept.dat");
    viewer_->Options().settings.secondLog = dir_.File("gone.dat");
    viewer_->Options().settings.chosenLog = 4;
    const AppliedDisplaySettings applied = Apply(std::nullopt);
    EXPECT_EQ(profile_.writes, (std::vector<std::string>{"SecondLog=" + dir_.File("gone.dat"), "SubFile2=kept.dat",
                                                         "SubFile3=", "SecondLog=", "CombSelectNo=0"}));
    EXPECT_EQ(warnings_, std::vector<std::string>{"ログファイル " + dir_.File("gone.dat") + " が見つかりません！"});
    EXPECT_EQ(applied.unitLabel, "(時:分)");
    EXPECT_FALSE(applied.totalShown);
    // The own log is in use again, its index stored in place of the lost one's, and the list
    // shows its month.
    EXPECT_EQ(viewer_->Options().settings.secondLog, "");
    EXPECT_EQ(viewer_->Options().settings.chosenLog, 0);
    EXPECT_EQ(viewer_->Title(), " Orvelle Check  (2009/05/20 10:15 現在)");
    ASSERT_TRUE(applied.view.has_value());
    EXPECT_EQ(applied.view->summary.total, "1:00");
}

TEST_F(ApplyTest, TheOwnLogChosenWhileInUseIsReadAgainInTheCalendar) {
    viewer_->ShowView(ViewKind::Daily);
    dir_.Write("Kestrofl.dat", CrLf({"S 09/05/01 08:00", "E 09/05/01 10:00"}));
    DisplaySettingsValues values = Opened();
    values.files.selectedLog = kOwnLogChoice;
    const AppliedDisplaySettings applied = Apply(values);
    EXPECT_EQ(viewer_->View(), ViewKind::Calendar);
    ASSERT_TRUE(applied.view.has_value());
    EXPECT_EQ(applied.view->summary.total, "2:00");
    EXPECT_EQ(profile_.writes.front(), "SecondLog=");
}

TEST_F(ApplyTest, ThePlaceholderKeepsTheLogButTheIndexFollowsTheList) {
    viewer_->Options().settings.secondLog = dir_.File("other.dat");
    DisplaySettingsValues values = Opened();
    FilePageModel page(values.files, values.recorderFolder);
    page.Select(1);
    values.files = page.Result();
    EXPECT_EQ(values.files.selectedLog, "");
    Apply(values);
    EXPECT_EQ(viewer_->Options().settings.secondLog, dir_.File("other.dat"));
    EXPECT_EQ(profile_.writes, (std::vector<std::string>{"CombSelectNo=1", "SecondLog=" + dir_.File("other.dat")}));
}

TEST_F(ApplyTest, ASecondLogInUseIsReadAgainForARedisplayInTheSameView) {
    viewer_->Options().settings.secondLog = dir_.File("other.dat");
    ASSERT_TRUE(viewer_->ReadMonth(2009, 5));
    viewer_->ShowView(ViewKind::PerStart);
    dir_.Write("other.dat", CrLf({"S 09/05/02 08:00", "E 09/05/02 12:00"}));
    DisplaySettingsValues values = Opened();
    values.items.timeMode = 1;
    const AppliedDisplaySettings applied = Apply(values);
    EXPECT_EQ(viewer_->View(), ViewKind::PerStart);
    ASSERT_TRUE(applied.view.has_value());
    EXPECT_EQ(applied.view->summary.total, "4.00");
    EXPECT_EQ(viewer_->Model().totalText, "4.00");
}

TEST_F(ApplyTest, FurtherLogsAreClosedUpAndTheKeysAboveEmptied) {
    // Hand-edited: gaps, and keys up to SubFile9.
    for (auto [key, value] : {std::pair{"SubFile2", ""}, {"SubFile3", "x.dat"}, {"SubFile5", "y.dat"},
                              {"SubFile6", ""}, {"SubFile9", "z.dat"}})
        profile_.WriteText("System", key, value);
    DisplaySettingsValues values = Opened();
    EXPECT_EQ(values.files.furtherLogs, Further({"", "x.dat", "", "y.dat", "", "", "", "z.dat"}));
    Apply(std::nullopt);
    EXPECT_EQ(profile_.writes, (std::vector<std::string>{"SecondLog=", "SubFile2=x.dat", "SubFile3=y.dat",
                                                         "SubFile4=z.dat", "SubFile5=", "SubFile9="}));
    EXPECT_EQ(ReadFurtherLogs(profile_), Further({"x.dat", "y.dat", "z.dat"}));
}

TEST(DisplayItems, RadiosAndCheckBoxesShowTheirValues) {
    struct Case {
        int value;
        bool first, second, box;
        int flipped;
    } cases[] = {
        {0, true, false, false, 1},
        {1, false, true, true, 0},
        {2, false, false, false, 0},  // a value from a hand-edited file
        {-1, false, false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RadioChecked(c.value, 0), c.first);
        EXPECT_EQ(RadioChecked(c.value, 1), c.second);
        EXPECT_EQ(BoxChecked(c.value), c.box);
        EXPECT_EQ(Flipped(c.value), c.flipped);
    }
}

TEST(LogList, EntriesChoicesAndAFullList) {
    const LogList placeholder("C:\\Kestrowa\\", "", Further({"", "d:\\a.dat", "", "d:\\b.txt"}));
    EXPECT_EQ(placeholder.Entries(),
              (std::vector<std::string>{"C:\\Kestrowa\\KESTROFL.DAT", "***.***", "d:\\a.dat", "d:\\b.txt"}));
    EXPECT_EQ(placeholder.Further(), Further({"d:\\a.dat", "d:\\b.txt"}));
    const LogList outside("C:\\Kestrowa\\", "D:\\Meas\\", {});
    EXPECT_EQ(outside.Entries(), (std::vector<std::string>{"C:\\Kestrowa\\KESTROFL.DAT", "D:\\Meas\\MEASONTM.LOG"}));

    struct Case {
        const LogList* list;
        int index;
        std::optional<std::string> choice;
    } cases[] = {
        {&placeholder, 0, "999"},       {&placeholder, 1, ""},       {&placeholder, 3, "d:\\b.txt"},
        {&outside, 1, "D:\\Meas\\MEASONTM.LOG"}, {&outside, 2, std::nullopt}, {&outside, -1, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(c.list->ChoiceAt(c.index), c.choice);
    }

    // Full, it keeps the eight latest further logs.
    LogList full("", "", Further({"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(full.Append("8"), 9);
    EXPECT_EQ(full.Append("9"), 9);
    EXPECT_EQ(full.Further(), Further({"2", "3", "4", "5", "6", "7", "8", "9"}));
}

// A history made again keeps its one place in the list; a new one pushes the oldest further log
// out of a full list. Either way it is the log shown and chosen in the list.
TEST(LogList, AHistoryJoinsTheFurtherLogsOnce) {
    MemoryProfile profile;
    ViewerSettings settings;
    for (int key = 2; key <= 9; ++key)
        profile.WriteText("System", SubFileKey(key), "d:\\" + std::to_string(key) + ".dat");
    ShowFurtherLog(settings, profile, "C:\\K\\", "D:\\5.DAT");
    EXPECT_EQ(ReadFurtherLogs(profile)[3], "d:\\5.dat");
    EXPECT_EQ(settings.chosenLog, 5);
    ShowFurtherLog(settings, profile, "C:\\K\\", "C:\\K\\EventHistory.dat");
    EXPECT_EQ(ReadFurtherLogs(profile), Further({"d:\\3.dat", "d:\\4.dat", "d:\\5.dat", "d:\\6.dat", "d:\\7.dat",
                                                 "d:\\8.dat", "d:\\9.dat", "C:\\K\\EventHistory.dat"}));
    EXPECT_EQ(profile.ReadText("System", "SecondLog", ""), "C:\\K\\EventHistory.dat");
    EXPECT_EQ(profile.ReadInt("System", "CombSelectNo", 0), 9);

    FileChoices choices;
    choices.furtherLogs = Further({"c:\\k\\eventhistory.dat"});
    FilePageModel page(choices, "C:\\K\\");
    page.HistoryWritten("C:\\K\\EventHistory.dat");
    EXPECT_EQ(page.List().Entries().size(), 3u);
    EXPECT_EQ(page.Choices().selectedIndex, 2);
}

TEST(FilePage, BrowseResults) {
    FileChoices choices;
    choices.editor = "C:\\WINDOWS\\NOTEPAD.EXE";
    choices.logFile = "D:\\Old\\";
    choices.selectedLog = "";
    choices.furtherLogs = Further({"d:\\a.dat"});
    FilePageModel page(choices, "C:\\K\\");

    EXPECT_FALSE(page.EditorChosen(""));
    EXPECT_TRUE(page.EditorChosen("C:\\Tools\\Ｅｄ\\EDIT.EXE"));
    EXPECT_EQ(page.Choices().editor, "c:\\tools\\Ｅｄ\\edit.exe");

    EXPECT_FALSE(page.OutsideFolderChosen(""));
    EXPECT_FALSE(page.OutsideFolderChosen("MEASONTM.LOG"));
    EXPECT_TRUE(page.OutsideFolderChosen("E:\\Meas Data\\MEASONTM.LOG"));
    EXPECT_EQ(page.Choices().logFile, "E:\\Meas Data\\");
    // The list keeps the old folder's entry until the dialog is opened again.
    EXPECT_EQ(page.List().Entries().at(1), "D:\\Old\\MEASONTM.LOG");

    EXPECT_FALSE(page.LogFileChosen(""));
    EXPECT_FALSE(page.LogFileChosen("E:\\Logs\\NODOT"));
    EXPECT_EQ(page.List().Entries().size(), 3u);
    EXPECT_TRUE(page.LogFileChosen("E:\\Logs\\May.DAT"));
    EXPECT_TRUE(page.LogFileChosen("d:\\a.dat"));  // listed already: added again
    EXPECT_EQ(page.Choices().selectedIndex, 4);
    EXPECT_EQ(page.Choices().selectedLog, "d:\\a.dat");
    EXPECT_EQ(page.Result().furtherLogs, Further({"d:\\a.dat", "e:\\logs\\may.dat", "d:\\a.dat"}));

    page.Select(0);
    EXPECT_EQ(page.Choices().selectedLog, "999");
    page.Select(7);  // no such entry
    EXPECT_EQ(page.Choices().selectedIndex, 0);
}

TEST(FilePage, TypedEditorAndFolderAreTakenOnOk) {
    struct Case {
        const char* editor;
        const char* folder;
        const char* wantEditor;
        const char* wantFolder;
    } cases[] = {
        {"", "", "old.exe", "D:\\Old\\"},
        {"   ", " \t", "old.exe", "D:\\Old\\"},
        {"C:\\Tools\\Ed.exe", "E:\\Meas", "C:\\Tools\\Ed.exe", "E:\\Meas\\"},
        {" C:\\x.exe ", "E:\\Meas\\", "C:\\x.exe", "E:\\Meas\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.editor);
        FileChoices choices;
        choices.editor = "old.exe";
        choices.logFile = "D:\\Old\\";
        FilePageModel page(choices, "");
        page.TakeTyped(c.editor, c.folder);
        EXPECT_EQ(page.Result().editor, c.wantEditor);
        EXPECT_EQ(page.Result().logFile, c.wantFolder);
    }
}
