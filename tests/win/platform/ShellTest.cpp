#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include "WideTempFolder.h"
#include "platform/win/os/Shell.h"

using namespace kestrowa;

namespace {

TEST(SystemShell, StartupFolderExistsAndIsAbsolute) {
    const std::optional<std::string> folder = SystemShell().StartupFolder();
    ASSERT_TRUE(folder.has_value());
    ASSERT_GE(folder->size(), 4u);
    EXPECT_EQ(folder->substr(1, 2), ":\\");
    EXPECT_EQ(folder->back(), '\\');
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(*folder).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(SystemShell, LinkCreatedAndReadBack) {
    WideTempFolder dir;
    // 120 characters of two bytes each in the ANSI code page: longer than 260 bytes there.
    std::string longName;
    for (int i = 0; i < 120; ++i) longName += "記";
    ASSERT_TRUE(CreateDirectoryW(Utf8ToWide(dir.File(longName)).c_str(), nullptr));
    const std::string target = dir.File(longName + "\\KESTROWA.EXE");
    ASSERT_TRUE(WideTempFolder::Write(target, "MZ"));
    const std::string link = dir.File("KESTROWA.EXEのショートカット.lnk");

    SystemShell shell;
    ASSERT_TRUE(shell.MakeShellLink(target, "", link));
    EXPECT_EQ(shell.LinkTarget(link), target);
    // Saving again replaces the shortcut.
    const std::string other = dir.File("ORVELLE.EXE");
    ASSERT_TRUE(WideTempFolder::Write(other, "MZ"));
    ASSERT_TRUE(shell.MakeShellLink(other, "viewer", link));
    EXPECT_EQ(shell.LinkTarget(link), other);
}

TEST(SystemShell, WorksOnAThreadWhoseComIsInitialisedOtherwise) {
    WideTempFolder dir;
    const std::string target = dir.File("KESTROWA.EXE");
    ASSERT_TRUE(WideTempFolder::Write(target, "MZ"));
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    SystemShell shell;
    EXPECT_TRUE(shell.MakeShellLink(target, "", dir.File("a.lnk")));
    EXPECT_EQ(shell.LinkTarget(dir.File("a.lnk")), target);
    CoUninitialize();
}

TEST(SystemShell, WhatIsNoShortcutHasNoTarget) {
    WideTempFolder dir;
    ASSERT_TRUE(WideTempFolder::Write(dir.File("text.lnk"), "not a shortcut\r\n"));
    SystemShell shell;
    EXPECT_EQ(shell.LinkTarget(dir.File("text.lnk")), std::nullopt);
    EXPECT_EQ(shell.LinkTarget(dir.File("missing.lnk")), std::nullopt);
    EXPECT_FALSE(shell.MakeShellLink(dir.File("text.lnk"), "", dir.File("no such folder\\a.lnk")));
}

}  // namespace
