#include "recorder/settings/StartupShortcut.h"

#include <gtest/gtest.h>

#include <map>

namespace kestrowa {
namespace {

TEST(StartupFolderPathTest, LookedUpFolderFirstFixedFolderOfTheFamilyOtherwise) {
    EXPECT_EQ(StartupFolderPath("C:\\Users\\a\\Startup", OsFamily::Nt, "D:"), "C:\\Users\\a\\Startup\\");
    EXPECT_EQ(StartupFolderPath("C:\\Users\\a\\Startup\\", OsFamily::Nt, "D:"), "C:\\Users\\a\\Startup\\");
    EXPECT_EQ(StartupFolderPath(std::nullopt, OsFamily::Nt, "D:"),
              "D:\\Documents and Settings\\All Users\\スタート メニュー\\プログラム\\スタートアップ\\");
    EXPECT_EQ(StartupFolderPath("", OsFamily::Win9x, "C:"), "C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\ｽﾀｰﾄｱｯﾌﾟ\\");
}

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

}  // namespace
}  // namespace kestrowa
