#include <gtest/gtest.h>

#include "platform/EntryPath.h"

using namespace kestrowa;

namespace {

TEST(ExactPath, DrivesAndSharesTakeTheFormWithoutNameChanges) {
    struct Case {
        const char* path;
        const char* exact;
    };
    const Case cases[] = {
        {"C:\\Kestrowa\\", "\\\\?\\C:\\Kestrowa\\"},
        {"C:\\Kestrowa\\notes.txt. ", "\\\\?\\C:\\Kestrowa\\notes.txt. "},
        {"c:/Kestrowa/Orvelle", "\\\\?\\c:\\Kestrowa\\Orvelle"},
        {"\\\\server\\share\\Kestrowa\\", "\\\\?\\UNC\\server\\share\\Kestrowa\\"},
        {"\\\\?\\UNC\\server\\share\\", "\\\\?\\UNC\\server\\share\\"},
        {"\\\\.\\COM1", "\\\\.\\COM1"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExactPath(c.path), c.exact) << c.path;
}

TEST(IsEntryOf, OnlyTheVeryEntryBelowTheFolderCounts) {
    struct Case {
        const char* finalPath;
        const char* folder;
        const char* relative;
        bool entry;
    };
    const Case cases[] = {
        {"\\\\?\\C:\\App\\a.txt", "\\\\?\\C:\\App", "a.txt", true},
        {"\\\\?\\C:\\App\\Orvelle\\a.txt", "\\\\?\\C:\\App", "Orvelle\\a.txt", true},
        {"\\\\?\\C:\\a.txt", "\\\\?\\C:\\", "a.txt", true},  // a drive's root ends with "\"
        // A link followed to its target, in or outside the folder.
        {"\\\\?\\C:\\Elsewhere\\a.txt", "\\\\?\\C:\\App", "a.txt", false},
        {"\\\\?\\C:\\App\\b.txt", "\\\\?\\C:\\App", "a.txt", false},
        {"\\\\?\\C:\\Elsewhere\\a.txt", "\\\\?\\C:\\App", "Orvelle\\a.txt", false},
        {"\\\\?\\C:\\App2\\a.txt", "\\\\?\\C:\\App", "2\\a.txt", false},
        // A name the path rules changed on the way.
        {"\\\\?\\C:\\App\\notes.txt", "\\\\?\\C:\\App", "notes.txt.", false},
        {"\\\\?\\C:\\App\\Orvelle\\a.txt", "\\\\?\\C:\\App", "Orvelle.\\a.txt", false},
        {"\\\\?\\C:\\App\\A.TXT", "\\\\?\\C:\\App", "a.txt", false},
        // Nothing is known when the system could not tell a real path.
        {"", "", "a.txt", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsEntryOf(c.finalPath, c.folder, c.relative, '\\'), c.entry) << c.finalPath;
}

}  // namespace
