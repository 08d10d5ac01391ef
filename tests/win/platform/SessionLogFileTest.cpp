#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "platform/File.h"
#include "platform/win/os/Text.h"
#include "shared/SessionLog.h"

using namespace kestrowa;

namespace {

std::string TempFolder() {
    wchar_t buffer[MAX_PATH];
    GetTempPathW(MAX_PATH, buffer);
    std::wstring wide = buffer;
    wide += L"kestrowa-logtest-ケストロワ\\";
    CreateDirectoryW(wide.c_str(), nullptr);
    return WideToUtf8(wide);
}

std::string ReadAll(const std::string& path) {
    FilePtr f = OpenFile(path, "rb");
    std::string bytes;
    if (!f) return bytes;
    char buffer[256];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0;) bytes.append(buffer, n);
    return bytes;
}

TEST(SessionLogOnWindows, AppendWritesExactlyEighteenBytesWithCrLf) {
    std::string path = TempFolder() + "Kestrofl.dat";
    DeleteFileW(Utf8ToWide(path).c_str());
    SessionLog log(path);
    log.AppendLine("S 2011/05/03 08:15");
    EXPECT_EQ(ReadAll(path), "S 11/05/03 08:15\r\n");
    log.AppendLine("E 2011/05/03 10:45");
    std::string bytes = ReadAll(path);
    EXPECT_EQ(bytes.size(), 36u);
    EXPECT_EQ(bytes, "S 11/05/03 08:15\r\nE 11/05/03 10:45\r\n");
    EXPECT_EQ(log.LastNonEmptyLine(), "E 11/05/03 10:45");
    MonthSummary s = log.SummarizeMonth({2011, 5, 3, 11, 0, 0});
    EXPECT_EQ(s.minutes, 150);
}

TEST(OpenFileOnWindows, OnlyAFileOnADiskIsOpenedForReading) {
    const std::string folder = TempFolder();
    const std::string file = folder + "regular.dat";
    DeleteFileW(Utf8ToWide(file).c_str());
    SessionLog(file).AppendLine("S 2011/05/03 08:15");
    struct Case {
        std::string path;
        bool opens;
    } cases[] = {
        {file, true},
        {folder, false},
        {folder.substr(0, folder.size() - 1), false},
        // Devices answer to these names in every folder; reading one may never end.
        {"NUL", false},
        {"COM1", false},
        {folder + "NUL", false},
    };
    for (const Case& c : cases) {
        for (const char* mode : {"rb", "r+b"}) {
            SCOPED_TRACE(c.path + " " + mode);
            EXPECT_EQ(OpenFile(c.path, mode) != nullptr, c.opens);
        }
    }
    EXPECT_EQ(ReadAll(file), "S 11/05/03 08:15\r\n");
    FilePtr both = OpenFile(file, "r+b");
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(std::fwrite("E", 1, 1, both.get()), 1u);
    both.reset();
    EXPECT_EQ(ReadAll(file), "E 11/05/03 08:15\r\n");
    EXPECT_FALSE(SessionLog("NUL").Exists());
}

}  // namespace
