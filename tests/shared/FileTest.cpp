#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempDir.h"
#include "platform/File.h"

using namespace kestrowa;

TEST(OpenFile, OnlyARegularFileIsOpenedForReading) {
    TempDir dir;
    dir.Write("log", "S 09/05/10 08:00\r\n");
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.Path() / "folder");
    struct Case {
        std::string path;
        bool opens;
    } cases[] = {
        {dir.File("log"), true},
        {dir.File("missing"), false},
        // Opening a FIFO for reading would wait for a writer; reading a device may never end.
        {dir.File("fifo"), false},
        {dir.File("folder"), false},
        {"/dev/zero", false},
    };
    for (const Case& c : cases) {
        for (const char* mode : {"rb", "r+b"}) {
            SCOPED_TRACE(c.path + " " + mode);
            FilePtr file = OpenFile(c.path, mode);
            EXPECT_EQ(file != nullptr, c.opens);
        }
    }
}
