#include <gtest/gtest.h>

#include "fakes/MemoryProfile.h"
#include "fakes/MemoryShell.h"
#include "recorder/RecorderEnvironment.h"
#include "shared/RecorderSettings.h"

using namespace kestrowa;
namespace key = recorder_key;

namespace {

TEST(Environment, PathsFromTheSystem) {
    EXPECT_EQ(WindowsDriveOf("C:\\WINDOWS"), "C:");
    EXPECT_EQ(WindowsDriveOf(""), "");
    EXPECT_EQ(FamilyFromPlatformId(1), OsFamily::Win9x);
    EXPECT_EQ(FamilyFromPlatformId(2), OsFamily::Nt);
}

TEST(Environment, StartupFolderFromTheShellElseTheFixedOneOfTheFamily) {
    MemoryShell shell;
    EXPECT_EQ(StartupFolder(shell, OsFamily::Nt, "C:"),
              "C:\\Documents and Settings\\All Users\\スタート メニュー\\プログラム\\スタートアップ\\");
    EXPECT_EQ(StartupFolder(shell, OsFamily::Win9x, "D:"), "D:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\ｽﾀｰﾄｱｯﾌﾟ\\");
    shell.startupFolder = "C:\\Users\\k\\Start Menu\\Programs\\Startup\\";
    EXPECT_EQ(StartupFolder(shell, OsFamily::Win9x, "D:"), "C:\\Users\\k\\Start Menu\\Programs\\Startup\\");
}

TEST(Environment, ApplicationFolderCheck) {
    struct Case {
        const char* name;
        const char* stored;  // nullptr: never written
        bool answer;
        const char* question;  // nullptr: no question
        const char* after;
    } cases[] = {
        {"new installation", nullptr, false, nullptr, "D:\\New\\"},
        {"same folder", "D:\\New\\", false, nullptr, "D:\\New\\"},
        {"moved, Yes", "C:\\Old\\", true,
         "アプリケーションのフォルダーが\r\nC:\\Old\\から\r\nD:\\New\\に変更されました。\r\nフォルダーを登録しなおしますか？",
         "D:\\New\\"},
        {"moved, No", "C:\\Old\\", false,
         "アプリケーションのフォルダーが\r\nC:\\Old\\から\r\nD:\\New\\に変更されました。\r\nフォルダーを登録しなおしますか？",
         "C:\\Old\\"},
        {"case counts", "d:\\new\\", false, "アプリケーションのフォルダーが\r\nd:\\new\\から\r\nD:\\New\\に変更されました。\r\nフォルダーを登録しなおしますか？",
         "d:\\new\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryProfile profile;
        if (c.stored) Write(profile, key::AppDir, c.stored);
        std::string asked;
        CheckApplicationFolder(profile, "D:\\New\\", [&](const std::string& question) {
            asked = question;
            return c.answer;
        });
        EXPECT_EQ(asked, c.question ? c.question : "");
        EXPECT_EQ(Read(profile, key::AppDir), c.after);
    }
}

TEST(Environment, WindowsDriveCheck) {
    MemoryProfile profile;
    CheckWindowsDrive(profile, "C:");
    EXPECT_EQ(Read(profile, key::WinDrive), "C:");
    CheckWindowsDrive(profile, "E:");
    EXPECT_EQ(Read(profile, key::WinDrive), "E:");
}

}  // namespace
