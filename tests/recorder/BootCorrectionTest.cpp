#include <gtest/gtest.h>

#include <map>

#include "TempDir.h"
#include "fakes/FixedClock.h"
#include "fakes/MemoryProfile.h"
#include "recorder/BootCorrection.h"
#include "shared/CivilTime.h"
#include "shared/RecorderSettings.h"

using namespace kestrowa;
namespace key = recorder_key;

namespace {

class FakeFileTimes : public FileTimes {
public:
    std::optional<DateTime> LastWriteTime(const std::string& path) const override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    std::map<std::string, DateTime> files;
};

DateTime NoBootTime() {
    ADD_FAILURE() << "the boot time was asked for";
    return {};
}

TEST(CorrectedStart, MinutesBorrowAcrossHourDayMonthAndYear) {
    const DateTime run{2011, 5, 3, 8, 15, 40};
    struct Case {
        const char* name;
        int correct;
        DateTime shown;
        DateTime expected;
    } cases[] = {
        {"two minutes", 2, {2011, 5, 3, 8, 15, 40}, {2011, 5, 3, 8, 13, 40}},
        {"minute equal to n", 3, {2011, 5, 3, 8, 3, 0}, {2011, 5, 3, 8, 0, 0}},
        {"into the hour before", 2, {2011, 5, 3, 8, 1, 7}, {2011, 5, 3, 7, 59, 7}},
        {"across midnight", 3, {2011, 5, 5, 0, 1, 0}, {2011, 5, 4, 23, 58, 0}},
        {"first of a month", 1, {2011, 3, 1, 0, 0, 30}, {2011, 2, 28, 23, 59, 30}},
        {"first of March in a leap year", 2, {2012, 3, 1, 0, 1, 0}, {2012, 2, 29, 23, 59, 0}},
        {"first of May", 2, {2011, 5, 1, 0, 0, 0}, {2011, 4, 30, 23, 58, 0}},
        {"new year", 3, {2011, 1, 1, 0, 2, 59}, {2010, 12, 31, 23, 59, 59}},
        {"starts from the shown time, not the run start", 3, {2011, 5, 3, 8, 13, 40}, {2011, 5, 3, 8, 10, 40}},
        {"none gives the run start", 0, {2011, 5, 3, 8, 13, 40}, run},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CorrectedStart(c.correct, c.shown, run, NoBootTime), c.expected);
    }
    EXPECT_EQ(CorrectedStart(4, run, run, [] { return DateTime{2011, 5, 3, 7, 58, 2}; }),
              (DateTime{2011, 5, 3, 7, 58, 2}));
}

TEST(CivilTime, SecondsRoundTripAndDifferences) {
    for (DateTime t : {DateTime{1970, 1, 1, 0, 0, 0}, DateTime{2000, 2, 29, 12, 30, 45}, DateTime{1601, 1, 1, 0, 0, 0}}) {
        EXPECT_EQ(DateTimeFromSeconds(SecondsOf(t)), t);
    }
    EXPECT_EQ(SecondsOf({2011, 5, 4, 9, 15, 0}) - SecondsOf({2011, 5, 3, 8, 15, 0}), 25 * 3600);
    EXPECT_EQ(AddSeconds({2100, 3, 1, 0, 0, 0}, -1), (DateTime{2100, 2, 28, 23, 59, 59}));  // 2100 is no leap year
}

TEST(BootFiles, PathsPerFamily) {
    EXPECT_EQ(BootFilePaths(OsFamily::Nt, "C:"),
              (std::array<std::string, 2>{"C:\\WINDOWS\\WIASERVC.LOG", "C:\\WINDOWS\\BootStat.dat"}));
    EXPECT_EQ(BootFilePaths(OsFamily::Win9x, "D:"),
              (std::array<std::string, 2>{"D:\\WINDOWS\\Ndislog.txt", "D:\\WINDOWS\\SYSTEM.INI"}));
}

TEST(BootFiles, FirstFoundFileGivesTheBootTime) {
    FixedClock clock({2011, 5, 3, 8, 15, 40}, 3'700'500);
    FakeFileTimes files;
    // Neither file: now minus the tick count, 1:01:40.5 before now.
    EXPECT_EQ(WindowsBootTime(files, OsFamily::Nt, "C:", clock), (DateTime{2011, 5, 3, 7, 14, 0}));
    files.files["C:\\WINDOWS\\BootStat.dat"] = {2011, 5, 3, 7, 50, 11};
    EXPECT_EQ(WindowsBootTime(files, OsFamily::Nt, "C:", clock), (DateTime{2011, 5, 3, 7, 50, 11}));
    files.files["C:\\WINDOWS\\WIASERVC.LOG"] = {2011, 5, 3, 7, 49, 58};
    EXPECT_EQ(WindowsBootTime(files, OsFamily::Nt, "C:", clock), (DateTime{2011, 5, 3, 7, 49, 58}));
    files.files["C:\\WINDOWS\\SYSTEM.INI"] = {2011, 5, 2, 23, 0, 0};
    EXPECT_EQ(WindowsBootTime(files, OsFamily::Win9x, "C:", clock), (DateTime{2011, 5, 2, 23, 0, 0}));
}

class Correction : public ::testing::Test {
protected:
    SessionRecording& Start(DateTime now) {
        clock.Set(now);
        recording = std::make_unique<SessionRecording>(clock, profile, SessionLog(dir.File("Kestrofl.dat")));
        recording->RecordStart([this] { correction.Apply(*recording); });
        return *recording;
    }

    TempDir dir;
    FixedClock clock;
    MemoryProfile profile;
    FakeFileTimes files;
    BootCorrection correction{clock, profile, files, OsFamily::Nt, "C:"};
    std::unique_ptr<SessionRecording> recording;
};

TEST_F(Correction, FreshStartMovesTheStartLineAndStoresThePcStart) {
    Write(profile, key::AptnSet, StartMethod::Tray);
    Start({2011, 5, 3, 8, 15, 40});  // Correct 2 by default
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:13:40");
    EXPECT_EQ(dir.Read("Kestrofl.dat"), "S 11/05/03 08:13\r\n");
    EXPECT_EQ(StoredPcStart(profile), (DateTime{2011, 5, 3, 8, 13, 40}));
    EXPECT_EQ(Read(profile, key::LastStart), "S 2011/05/03 08:15");
}

TEST_F(Correction, ChangedInTheSettingsAfterAFreshStart) {
    Write(profile, key::AptnSet, StartMethod::Tray);
    Start({2011, 5, 3, 8, 15, 40});
    clock.Set({2011, 5, 3, 9, 0, 0});

    EXPECT_TRUE(correction.ApplyChangedSetting(*recording, 3));
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:10:40");
    EXPECT_EQ(Read(profile, key::PresentMinute), 10);

    EXPECT_FALSE(correction.ApplyChangedSetting(*recording, 0));
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:10:40");

    files.files["C:\\WINDOWS\\WIASERVC.LOG"] = {2011, 5, 3, 7, 49, 58};
    EXPECT_TRUE(correction.ApplyChangedSetting(*recording, 4));
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 07:49:58");
}

TEST_F(Correction, ChangedInTheSettingsAfterARestartShowsTheRunStart) {
    Write(profile, key::AptnSet, StartMethod::Tray);
    Write(profile, key::LastWindwsEnd, "E 2011/05/03 10:00");
    StorePcStart(profile, {2011, 5, 3, 8, 13, 40});
    Start({2011, 5, 3, 10, 5, 9});
    ASSERT_TRUE(recording->Restart());
    EXPECT_EQ(recording->ShownStartText(), "2011/05/03 08:13:40");

    for (int newCorrect : {1, 2, 3, 0}) {
        StorePcStart(profile, {2011, 5, 3, 8, 13, 40});
        recording->TakeCorrectedStart(StoredPcStart(profile));
        EXPECT_TRUE(correction.ApplyChangedSetting(*recording, newCorrect));
        EXPECT_EQ(recording->ShownStartText(), "2011/05/03 10:05:09") << newCorrect;
        EXPECT_EQ(StoredPcStart(profile), (DateTime{2011, 5, 3, 10, 5, 9}));
    }
}

}  // namespace
