#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "TempDir.h"
#include "platform/InterruptedFileSteps.h"
#include "platform/FileReplace.h"

using namespace kestrowa;
namespace fs = std::filesystem;

namespace {

// Every name in the folder, so a test sees what a replace left behind.
std::set<std::string> Names(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path())) names.insert(entry.path().filename().string());
    return names;
}

TEST(FileReplace, NewContentsInPlaceAndTheOldOnesKeptAsTheBackup) {
    TempDir dir;
    dir.Write("Kestrofl.dat", "old log\r\n");
    dir.Write("Kestrofl.bak", "older backup\r\n");
    ::chmod(dir.File("Kestrofl.dat").c_str(), 0640);
    SystemFileReplacer files;
    ASSERT_TRUE(files.ReplaceKeepingBackup(dir.File("Kestrofl.dat"), dir.File("Kestrofl.bak"), "new log\r\n"));
    EXPECT_EQ(dir.Read("Kestrofl.dat"), "new log\r\n");
    EXPECT_EQ(dir.Read("Kestrofl.bak"), "old log\r\n");
    EXPECT_EQ(Names(dir), (std::set<std::string>{"Kestrofl.bak", "Kestrofl.dat"}));
    struct stat mode{};
    ::stat(dir.File("Kestrofl.dat").c_str(), &mode);
    EXPECT_EQ(mode.st_mode & 0777, 0640u);

    // Empty contents are contents too, and a backup need not exist before.
    fs::remove(dir.File("Kestrofl.bak"));
    ASSERT_TRUE(files.ReplaceKeepingBackup(dir.File("Kestrofl.dat"), dir.File("Kestrofl.bak"), ""));
    EXPECT_EQ(dir.Read("Kestrofl.dat"), "");
    EXPECT_EQ(dir.Read("Kestrofl.bak"), "new log\r\n");
}

TEST(FileReplace, FailureChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(const TempDir&)> prepare;
    } cases[] = {
        {"the file is missing", [](const TempDir& dir) { fs::remove(dir.File("Kestrofl.dat")); }},
        {"the file is a folder",
         [](const TempDir& dir) {
             fs::remove(dir.File("Kestrofl.dat"));
             fs::create_directory(dir.File("Kestrofl.dat"));
         }},
        {"the backup cannot be replaced",
         [](const TempDir& dir) {
             fs::remove(dir.File("Kestrofl.bak"));
             fs::create_directory(dir.File("Kestrofl.bak"));
             dir.Write("Kestrofl.bak/kept", "x");
         }},
        {"the new file cannot be written", [](const TempDir& dir) { fs::create_directory(dir.File("Kestrofl.dat.replacing")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        dir.Write("Kestrofl.dat", "old log\r\n");
        dir.Write("Kestrofl.bak", "older backup\r\n");
        c.prepare(dir);
        const std::set<std::string> before = Names(dir);
        const bool wasFile = fs::is_regular_file(dir.File("Kestrofl.dat"));
        const bool backupWasFile = fs::is_regular_file(dir.File("Kestrofl.bak"));

        SystemFileReplacer files;
        EXPECT_FALSE(files.ReplaceKeepingBackup(dir.File("Kestrofl.dat"), dir.File("Kestrofl.bak"), "new log\r\n"));
        EXPECT_EQ(Names(dir), before);
        if (wasFile) {
            EXPECT_EQ(dir.Read("Kestrofl.dat"), "old log\r\n");
        }
        if (backupWasFile) {
            EXPECT_EQ(dir.Read("Kestrofl.bak"), "older backup\r\n");
        }
    }
}

// A link at a name the replace works with, to a file outside the folder or to none: it goes as a
// link and the replace goes through; nothing outside is written, made or removed.
TEST(FileReplace, ALinkAtANameItWorksWithIsReplacedOrRemovedNeverFollowed) {
    for (const char* name : {"Kestrofl.dat.replacing", "Kestrofl.dat.replaced", "Kestrofl.bak"}) {
        for (const bool targetExists : {true, false}) {
            SCOPED_TRACE(std::string(name) + (targetExists ? " to a canary" : " to no file"));
            TempDir dir;
            TempDir outside;
            if (targetExists) outside.Write("canary", "canary\r\n");
            dir.Write("Kestrofl.dat", "old log\r\n");
            fs::create_symlink(outside.File("canary"), dir.File(name));

            SystemFileReplacer files;
            EXPECT_TRUE(files.ReplaceKeepingBackup(dir.File("Kestrofl.dat"), dir.File("Kestrofl.bak"), "new log\r\n"));
            EXPECT_EQ(dir.Read("Kestrofl.dat"), "new log\r\n");
            EXPECT_EQ(dir.Read("Kestrofl.bak"), "old log\r\n");
            EXPECT_EQ(Names(dir), (std::set<std::string>{"Kestrofl.bak", "Kestrofl.dat"}));
            EXPECT_EQ(Names(outside), targetExists ? std::set<std::string>{"canary"} : std::set<std::string>{});
            if (targetExists) {
                EXPECT_EQ(outside.Read("canary"), "canary\r\n");
            }
        }
    }
}

using Files = std::map<std::string, std::string>;

const Files kBefore = {{"Kestrofl.dat", "old log\r\n"}, {"Kestrofl.bak", "older backup\r\n"}};
const Files kAfter = {{"Kestrofl.dat", "new log\r\n"}, {"Kestrofl.bak", "old log\r\n"}};

// Killed between any two steps, the log is the old one or all of the new one, and the next
// replace cleans up what the stopped one left.
TEST(FileReplace, StoppedAtAnyStepTheFileIsTheOldOrTheNewOne) {
    for (int stop = 0;; ++stop) {
        SCOPED_TRACE("stopped at step " + std::to_string(stop));
        InterruptedFileSteps steps;
        steps.files = kBefore;
        steps.stopAt = stop;
        const bool replaced = ReplaceThrough(steps, "Kestrofl.dat", "Kestrofl.bak", "new log\r\n");
        if (!steps.Stopped()) {
            EXPECT_TRUE(replaced);
            EXPECT_EQ(steps.files, kAfter);
            break;
        }
        const std::string log = steps.files["Kestrofl.dat"];
        EXPECT_TRUE(log == "old log\r\n" || log == "new log\r\n") << log;
        const std::string backup = steps.files["Kestrofl.bak"];
        EXPECT_TRUE(backup == "older backup\r\n" || backup == "old log\r\n") << backup;

        steps.stopAt = -1;
        ASSERT_TRUE(ReplaceThrough(steps, "Kestrofl.dat", "Kestrofl.bak", "newer log\r\n"));
        EXPECT_EQ(steps.files, (Files{{"Kestrofl.dat", "newer log\r\n"}, {"Kestrofl.bak", log}}));
    }
}

TEST(FileReplace, AnyOneStepRefusedLeavesTheFileAndTheBackupAsTheyWere) {
    for (int refused = 0;; ++refused) {
        SCOPED_TRACE("step " + std::to_string(refused) + " refused");
        InterruptedFileSteps steps;
        steps.files = kBefore;
        steps.failAt = refused;
        const bool replaced = ReplaceThrough(steps, "Kestrofl.dat", "Kestrofl.bak", "new log\r\n");
        EXPECT_EQ(steps.files, replaced ? kAfter : kBefore);
        if (steps.steps <= refused) break;
    }
}

}  // namespace
