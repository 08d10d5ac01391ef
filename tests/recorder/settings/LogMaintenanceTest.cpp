#include "recorder/settings/LogMaintenance.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "../../TempDir.h"
#include "fakes/MemoryFileReplacer.h"
#include "platform/InterruptedFileSteps.h"

namespace kestrowa {
namespace {

using Lines = std::vector<std::string>;

struct MergeCase {
    const char* name;
    Lines log;
    Lines merged;
};

class MergeQuickRestartsTest : public testing::TestWithParam<MergeCase> {};

TEST_P(MergeQuickRestartsTest, GivesTheMaintainedLines) {
    EXPECT_EQ(MergeQuickRestarts(GetParam().log), GetParam().merged);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MergeQuickRestartsTest,
    testing::Values(
        MergeCase{"RestartAfterFiveMinutesJoinsTheSessions",
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 12:05", "E 11/05/03 18:00", "S 11/05/04 08:00"},
                  {"S 11/05/03 08:00", "E 11/05/03 18:00", "S 11/05/04 08:00", "S 11/05/04 08:00"}},
        MergeCase{"RestartAfterTwentyFiveMinutesIsKept",
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 12:25", "E 11/05/03 18:00", "S 11/05/04 08:00"},
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 12:25", "E 11/05/03 18:00", "S 11/05/04 08:00",
                   "S 11/05/04 08:00"}},
        MergeCase{"LastStartMergedIsWrittenOnce",
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 12:20"},
                  {"S 11/05/03 08:00", "S 11/05/03 12:20"}},
        MergeCase{"Year08MergesUpToTenMinutes",
                  {"S 08/05/03 08:00", "E 08/05/03 12:00", "S 08/05/03 12:10", "E 08/05/03 13:00", "S 08/05/03 13:15",
                   "E 08/05/03 14:00"},
                  {"S 08/05/03 08:00", "E 08/05/03 13:00", "S 08/05/03 13:15", "E 08/05/03 14:00"}},
        MergeCase{"Year09MergesUpToTwentyMinutes",
                  {"S 09/05/03 08:00", "E 09/05/03 12:00", "S 09/05/03 12:20", "E 09/05/03 13:00", "S 09/05/03 13:21",
                   "E 09/05/03 14:00"},
                  {"S 09/05/03 08:00", "E 09/05/03 13:00", "S 09/05/03 13:21", "E 09/05/03 14:00"}},
        MergeCase{"RestartAfterMidnightHasAnotherDateAndIsKept",
                  {"S 11/05/03 20:00", "E 11/05/03 23:55", "S 11/05/04 00:03", "E 11/05/04 01:00"},
                  {"S 11/05/03 20:00", "E 11/05/03 23:55", "S 11/05/04 00:03", "E 11/05/04 01:00"}},
        MergeCase{"StartBeforeTheEndOnTheSameDayIsKept",
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 11:58", "E 11/05/03 13:00"},
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 11:58", "E 11/05/03 13:00"}},
        MergeCase{"SecondStartInARowIsDropped",
                  {"S 11/05/03 08:00", "S 11/05/03 08:30", "E 11/05/03 12:00", "S 11/05/03 13:00", "S 11/05/03 13:05",
                   "E 11/05/03 14:00"},
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 13:00", "E 11/05/03 14:00"}},
        MergeCase{"OtherLinesAreDroppedWithoutLosingTheNextStart",
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "memo", "S 11/05/03 13:00", "E 11/05/03 14:00"},
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 13:00", "E 11/05/03 14:00"}},
        MergeCase{"StartAfterTwoEndsIsKept",
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "E 11/05/03 12:01", "S 11/05/03 12:05", "E 11/05/03 14:00"},
                  {"S 11/05/03 08:00", "E 11/05/03 12:00", "E 11/05/03 12:01", "S 11/05/03 12:05", "E 11/05/03 14:00"}},
        MergeCase{"EndAsFirstLineIsWrittenOnceAndNotMerged",
                  {"E 11/05/03 08:00", "S 11/05/03 08:05", "E 11/05/03 12:00"},
                  {"E 11/05/03 08:00", "S 11/05/03 08:05", "E 11/05/03 12:00"}},
        MergeCase{"EndWithoutAFollowingStartAddsNothing",
                  {"S 11/05/03 08:00", "E 11/05/03 12:00"},
                  {"S 11/05/03 08:00", "E 11/05/03 12:00"}},
        MergeCase{"NoteAsFirstLineKeepsTheFirstSession",
                  {"memo 2011", "S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/04 08:00"},
                  {"memo 2011", "S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/04 08:00", "S 11/05/04 08:00"}},
        MergeCase{"BlankFirstLineKeepsTheFirstSession",
                  {"    ", "S 11/05/03 08:00", "E 11/05/03 12:00"},
                  {"    ", "S 11/05/03 08:00", "E 11/05/03 12:00"}},
        MergeCase{"LinesWithoutATimeOfDayAreDropped",
                  {"S 24/05/03 99:99", "S 24/05/03 08:00", "E 24/05/03 25:10", "S 24/05/03 -1:-1", "E 24/05/03 12:00",
                   std::string("S 24/05/03 13:00\0", 17), "S 24/05/04 08:00"},
                  {"S 24/05/03 08:00", "E 24/05/03 12:00", "S 24/05/04 08:00", "S 24/05/04 08:00"}},
        MergeCase{"EmptyLog", {}, {}}),
    [](const testing::TestParamInfo<MergeCase>& p) { return std::string(p.param.name); });

TEST(QuickRestartLimitTest, TenMinutesUpTo2008TwentyFrom2009) {
    EXPECT_EQ(QuickRestartLimit("E 00/01/01 00:00"), 10);
    EXPECT_EQ(QuickRestartLimit("E 08/12/31 23:59"), 10);
    EXPECT_EQ(QuickRestartLimit("E 09/01/01 00:00"), 20);
    EXPECT_EQ(QuickRestartLimit("E 79/12/31 23:59"), 20);
    EXPECT_EQ(QuickRestartLimit("E 80/01/01 00:00"), 10);  // 1980
    EXPECT_EQ(QuickRestartLimit("E 99/01/01 00:00"), 10);
}

TEST(MaintainedLogTest, ReadsLinesAsTheRecorderDoesAndWritesThemWithCrLf) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    const std::string bytes = "S 11/05/03 08:00\n\r\nE 11/05/03 12:00\r\n\r\n\r\nS 11/05/03 12:05\r\nE 11/05/03 18:00";
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    EXPECT_EQ(MaintainedLog(file), "S 11/05/03 08:00\r\nE 11/05/03 18:00\r\n");
    std::fclose(file);
}

class MaintainLogTest : public testing::Test {
protected:
    TempDir dir;
    SystemFileReplacer files;
    std::string Folder() const { return dir.Path().string() + "/"; }
};

const std::string kRunningLog =
    CrLf({"S 11/05/03 08:00", "E 11/05/03 12:00", "S 11/05/03 12:05", "E 11/05/03 18:00", "S 11/05/04 08:00"});

TEST_F(MaintainLogTest, KeepsTheOldLogAsBackupAndWritesTheMergedOne) {
    dir.Write("Kestrofl.dat", kRunningLog);
    dir.Write("Kestrofl.bak", "older backup");
    EXPECT_EQ(MaintainLog(Folder(), files), kMaintainDoneText);
    EXPECT_EQ(dir.Read("Kestrofl.dat"),
              CrLf({"S 11/05/03 08:00", "E 11/05/03 18:00", "S 11/05/04 08:00", "S 11/05/04 08:00"}));
    EXPECT_EQ(dir.Read("Kestrofl.bak"), kRunningLog);
}

TEST_F(MaintainLogTest, MissingLogBecomesAnEmptyOneAndTheBackupStays) {
    dir.Write("Kestrofl.bak", "older backup");
    EXPECT_EQ(MaintainLog(Folder(), files), kMaintainDoneText);
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("Kestrofl.dat")));
    EXPECT_EQ(dir.Read("Kestrofl.dat"), "");
    EXPECT_EQ(dir.Read("Kestrofl.bak"), "older backup");
}

TEST_F(MaintainLogTest, LogThatCannotBeReplacedStaysWithItsBackup) {
    MemoryFileReplacer memory;
    dir.Write("Kestrofl.dat", kRunningLog);
    memory.files = {{dir.File("Kestrofl.dat"), kRunningLog}, {dir.File("Kestrofl.bak"), "older backup"}};
    memory.locked.insert(dir.File("Kestrofl.dat"));
    const auto before = memory.files;
    EXPECT_EQ(MaintainLog(dir.Path().string() + "/", memory), kMaintainFailedText);
    EXPECT_EQ(memory.files, before);
    EXPECT_EQ(dir.Read("Kestrofl.dat"), kRunningLog);
}

TEST_F(MaintainLogTest, LogThatIsAFolderIsNotTouched) {
    std::filesystem::create_directory(dir.File("Kestrofl.dat"));
    dir.Write("Kestrofl.bak", "older backup");
    EXPECT_EQ(MaintainLog(Folder(), files), kMaintainFailedText);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("Kestrofl.dat")));
    EXPECT_EQ(dir.Read("Kestrofl.bak"), "older backup");
}

// The maintenance killed at any step of its files, or refused any one of them: the log is the
// old one or all of the maintained one, never empty or a part, and a refusal is reported.
TEST_F(MaintainLogTest, InterruptedAtAnyStepTheLogIsTheOldOrTheWholeNewOne) {
    dir.Write("Kestrofl.dat", kRunningLog);
    const std::string log = dir.File("Kestrofl.dat");
    const std::string backup = dir.File("Kestrofl.bak");
    const std::string merged = CrLf({"S 11/05/03 08:00", "E 11/05/03 18:00", "S 11/05/04 08:00", "S 11/05/04 08:00"});
    for (const bool killed : {true, false}) {
        for (int step = 0;; ++step) {
            SCOPED_TRACE((killed ? "killed at step " : "refused step ") + std::to_string(step));
            InterruptedFileSteps steps;
            steps.files = {{log, kRunningLog}, {backup, "older backup"}};
            (killed ? steps.stopAt : steps.failAt) = step;
            SteppedFileReplacer replacer(steps);
            const std::string shown = MaintainLog(Folder(), replacer);
            const std::string now = steps.files[log];
            EXPECT_TRUE(now == kRunningLog || now == merged) << now;
            if (!killed) {
                EXPECT_EQ(shown, now == merged ? kMaintainDoneText : kMaintainFailedText);
            }
            if (steps.steps <= step) break;
        }
    }
}

}  // namespace
}  // namespace kestrowa
