#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "WideTempFolder.h"
#include "platform/ProgramRun.h"
#include "platform/TemporaryFile.h"

namespace kestrowa {
namespace {

// A program of the name asked for waits in the current folder and in a folder of the PATH;
// only the latter runs, and each argument reaches it as it was given.
TEST(ProgramRun, TheProgramOnThePathRunsWithItsArgumentsWhole) {
    WideTempFolder here, onPath;
    const std::wstring note = L"Z:" + Utf8ToWide(ARGUMENTS_NOTE_EXE);
    ASSERT_TRUE(CopyFileW(note.c_str(), Utf8ToWide(here.File("rsvg-convert.exe")).c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(note.c_str(), Utf8ToWide(onPath.File("rsvg-convert.exe")).c_str(), FALSE));
    wchar_t savedFolder[MAX_PATH + 1] = {};
    ASSERT_TRUE(GetCurrentDirectoryW(MAX_PATH + 1, savedFolder));
    std::wstring savedPath(32767, L'\0');
    savedPath.resize(GetEnvironmentVariableW(L"PATH", savedPath.data(), 32767));
    ASSERT_TRUE(SetCurrentDirectoryW(Utf8ToWide(here.Path()).c_str()));
    SetEnvironmentVariableW(L"PATH", (L";.;\"" + Utf8ToWide(onPath.Path()) + L"\"").c_str());

    const std::optional<std::string> found = FindProgram("rsvg-convert");
    SetEnvironmentVariableW(L"PATH", L".");
    const std::optional<std::string> none = FindProgram("rsvg-convert");
    SetEnvironmentVariableW(L"PATH", savedPath.c_str());
    ASSERT_EQ(found.value_or(""), onPath.File("rsvg-convert.exe"));
    EXPECT_EQ(none, std::nullopt);
    const std::vector<std::string> args = {"C:\\out folder\\", "say \"hi\"", "", "a\\\\\"b", "記録 c.png"};
    EXPECT_EQ(RunProgram(*found, args), 3);
    SetCurrentDirectoryW(savedFolder);
    EXPECT_EQ(WideTempFolder::Read(onPath.File("rsvg-convert.exe.args")),
              "C:\\out folder\\\nsay \"hi\"\n\na\\\\\"b\n記録 c.png\n");
    EXPECT_EQ(WideTempFolder::Read(here.File("rsvg-convert.exe.args")), "<missing>");
    EXPECT_EQ(RunProgram(here.File("none.exe"), {}), std::nullopt);
}

TEST(ProgramRun, ATemporaryFileHoldsItsBytesUntilItGoes) {
    std::string path;
    {
        std::optional<TemporaryFile> file = TemporaryFile::Write("<svg/>");
        ASSERT_TRUE(file);
        path = file->Path();
        EXPECT_EQ(WideTempFolder::Read(path), "<svg/>");
    }
    EXPECT_FALSE(std::filesystem::exists(Utf8ToWide(path)));
}

}  // namespace
}  // namespace kestrowa
