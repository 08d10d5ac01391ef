#include <gtest/gtest.h>
#include <windows.h>

#include "WideTempFolder.h"
#include "platform/FileReplace.h"

using namespace kestrowa;

namespace {

class FileReplaceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WideTempFolder::Write(log, "old log\r\n"));
        ASSERT_TRUE(WideTempFolder::Write(backup, "older backup\r\n"));
    }
    // Opens a file as an editor that allows nobody else in would.
    static HANDLE Hold(const std::string& path) {
        return CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    WideTempFolder dir;
    std::string log = dir.File("Kestrofl.dat");
    std::string backup = dir.File("Kestrofl.bak");
    SystemFileReplacer files;
};

TEST_F(FileReplaceTest, NewContentsInPlaceAndTheOldOnesKeptAsTheBackup) {
    ASSERT_TRUE(files.ReplaceKeepingBackup(log, backup, "new log\r\n"));
    EXPECT_EQ(WideTempFolder::Read(log), "new log\r\n");
    EXPECT_EQ(WideTempFolder::Read(backup), "old log\r\n");
    EXPECT_EQ(dir.Listing(), (std::set<std::string>{"Kestrofl.bak", "Kestrofl.dat"}));
}

TEST_F(FileReplaceTest, MissingFileIsNotCreated) {
    ASSERT_TRUE(DeleteFileW(Utf8ToWide(log).c_str()));
    EXPECT_FALSE(files.ReplaceKeepingBackup(log, backup, "new log\r\n"));
    EXPECT_EQ(dir.Listing(), std::set<std::string>{"Kestrofl.bak"});
    EXPECT_EQ(WideTempFolder::Read(backup), "older backup\r\n");
}

TEST_F(FileReplaceTest, FileOrBackupHeldOpenChangesNothing) {
    for (const std::string* held : {&log, &backup}) {
        SCOPED_TRACE(*held);
        HANDLE holder = Hold(*held);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(files.ReplaceKeepingBackup(log, backup, "new log\r\n"));
        CloseHandle(holder);
        EXPECT_EQ(WideTempFolder::Read(log), "old log\r\n");
        EXPECT_EQ(WideTempFolder::Read(backup), "older backup\r\n");
        EXPECT_EQ(dir.Listing(), (std::set<std::string>{"Kestrofl.bak", "Kestrofl.dat"}));
    }
}

}  // namespace
