#include "recorder/settings/StartupShortcut.h"

#include <gtest/gtest.h>

#include <map>

#include "fakes/MemoryProfile.h"
#include "fakes/MemoryShell.h"
#include "fakes/StartupFolderFake.h"
#include "platform/Profile.h"

namespace kestrowa {
namespace {

TEST(OwnShortcutsTest, OffersOnlyReadableShortcutFilesThatStartTheRecorder) {
    const std::map<std::string, std::string> targets{
        {"KESTROWA.EXEのショートカット.lnk", "C:\\Kestrowa\\KESTROWA.EXE"},
        {"other.lnk", "C:\\Tools\\other.exe"},
        {"renamed.LNK", "c:\\kestrowa\\kestrowa.exe"},
        {"folder.lnk", "C:\\Kestrowa\\KESTROWA.EXE"},
        {"junction.lnk", "C:\\Kestrowa\\KESTROWA.EXE"},
        {"notes.lnk.txt", "C:\\Kestrowa\\KESTROWA.EXE"},
        {"older copy.lnk", "C:\\Old\\KESTROWA.EXE"},
    };
    const std::vector<DirectoryEntry> entries{
        {"KESTROWA.EXEのショートカット.lnk"}, {"other.lnk"},        {"broken.lnk"},      {"renamed.LNK"},
        {"folder.lnk", true},                 {"junction.lnk", false, true},           {"notes.lnk.txt"},
        {"older copy.lnk"},                   {".lnk"},
    };
    std::vector<std::string> asked;
    auto targetOf = [&](const std::string& name) -> std::optional<std::string> {
        asked.push_back(name);
        auto found = targets.find(name);
        if (found == targets.end()) return std::nullopt;
        return found->second;
    };
    EXPECT_EQ(OwnShortcuts(entries, "C:\\Kestrowa\\KESTROWA.EXE", targetOf),
              (std::vector<std::string>{"KESTROWA.EXEのショートカット.lnk", "renamed.LNK"}));
    // Folders, links and files of other kinds are never opened.
    EXPECT_EQ(asked, (std::vector<std::string>{"KESTROWA.EXEのショートカット.lnk", "other.lnk", "broken.lnk",
                                               "renamed.LNK", "older copy.lnk"}));
}

constexpr const char* kStartup = "C:\\Startup\\";
constexpr const char* kOwnLink = "C:\\Startup\\KESTROWA.EXEのショートカット.lnk";
constexpr const char* kProgram = "C:\\Kestrowa\\KESTROWA.EXE";

class StartupShortcutsTest : public testing::Test {
protected:
    MemoryShell shell;
    StartupFolderFake folder{shell};
    MemoryProfile profile;
    std::vector<std::string> told;
    std::vector<std::string> asked;
    std::vector<bool> answers;
    StartupShortcuts shortcuts{shell, folder, kStartup, "C:\\Kestrowa\\",
                               {[this](const std::string& text) { told.push_back(text); },
                                [this](const std::string& question) {
                                    asked.push_back(question);
                                    const bool yes = !answers.empty() && answers.front();
                                    if (!answers.empty()) answers.erase(answers.begin());
                                    return yes;
                                }}};
};

struct AlignCase {
    const char* name;
    StartMethod method;
    int shortCutBefore;
    bool linkRefused;
    std::vector<std::string> told;
    bool linkMade;
    int shortCutAfter;
};

class AlignTest : public StartupShortcutsTest, public testing::WithParamInterface<AlignCase> {};

TEST_P(AlignTest, MakesTheShortcutOnceForTheAutomaticMethods) {
    const AlignCase& c = GetParam();
    Write(profile, recorder_key::ShortCut, c.shortCutBefore);
    shell.refuseLinks = c.linkRefused;
    shortcuts.Align(c.method, profile);
    EXPECT_EQ(told, c.told);
    const auto link = shell.links.find(kOwnLink);
    EXPECT_EQ(link == shell.links.end() ? std::string() : link->second, c.linkMade ? kProgram : "");
    EXPECT_EQ(Read(profile, recorder_key::ShortCut), c.shortCutAfter);
    EXPECT_TRUE(asked.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlignTest,
    testing::Values(
        AlignCase{"TrayMakesIt", StartMethod::Tray, 0, false, {kShortcutNoticeText, kShortcutCreatedText}, true, 1},
        AlignCase{"StartupFolderMakesIt", StartMethod::StartupFolder, 0, false,
                  {kShortcutNoticeText, kShortcutCreatedText}, true, 1},
        AlignCase{"AlreadyMadeIsLeftAlone", StartMethod::Tray, 1, false, {}, false, 1},
        AlignCase{"FailureAsksForItByHandAndCountsAsMade", StartMethod::StartupFolder, 0, true,
                  {kShortcutNoticeText, kShortcutFailedText}, false, 1},
        AlignCase{"ManualWithoutOneMadeOnlyClearsTheValue", StartMethod::Manual, 0, false, {}, false, 0}),
    [](const testing::TestParamInfo<AlignCase>& p) { return std::string(p.param.name); });

TEST_F(StartupShortcutsTest, ManualOffersOnlyTheRecordersShortcutsByNameAndDeletesOnYes) {
    Write(profile, recorder_key::ShortCut, 1);
    shell.links = {{kOwnLink, kProgram},
                   {"C:\\Startup\\Kestrowa again.lnk", "c:\\KESTROWA\\kestrowa.exe"},
                   {"C:\\Startup\\Mailer.lnk", "C:\\Mail\\mailer.exe"}};
    answers = {true, false};
    shortcuts.Align(StartMethod::Manual, profile);

    EXPECT_EQ(folder.listed, std::vector<std::string>{kStartup});
    EXPECT_EQ(asked, (std::vector<std::string>{RemoveShortcutQuestion("KESTROWA.EXEのショートカット.lnk"),
                                               RemoveShortcutQuestion("Kestrowa again.lnk")}));
    EXPECT_EQ(shell.links.count("C:\\Startup\\Kestrowa again.lnk"), 1u);
    EXPECT_EQ(shell.links.count(kOwnLink), 0u);
    EXPECT_EQ(shell.links.count("C:\\Startup\\Mailer.lnk"), 1u);
    EXPECT_EQ(Read(profile, recorder_key::ShortCut), 0);
    EXPECT_TRUE(told.empty());
}

}  // namespace
}  // namespace kestrowa
