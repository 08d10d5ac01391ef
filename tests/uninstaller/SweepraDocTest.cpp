#include <gtest/gtest.h>

#include "TempDir.h"
#include "uninstaller/SweepraDoc.h"

using namespace kestrowa;

namespace {

std::string AsIs(std::string_view bytes) { return std::string(bytes); }

TEST(ParseFileList, OneLowerCaseNamePerLineWithBlanksKept) {
    EXPECT_EQ(ParseFileList("; installed by the setup\r\nKESTROWA.EXE\r\n\r\nOrvelle\n"
                            " Kestrowa.html \r\n;Kestrofl.dat\r\n\nLast.TXT"),
              (std::vector<std::string>{"kestrowa.exe", "orvelle", " kestrowa.html ", "last.txt"}));
    // Only ASCII letters change case; a comment mark inside a name is part of it.
    EXPECT_EQ(ParseFileList("ＡＢＣ.TXT\r\nメモ;A.txt\r\n"),
              (std::vector<std::string>{"ＡＢＣ.txt", "メモ;a.txt"}));
    EXPECT_TRUE(ParseFileList("").empty());
    EXPECT_TRUE(ParseFileList("\r\n\n;only a comment\r\n").empty());
}

TEST(ParseFileList, LongLinesAreReadWhole) {
    std::string name(300, 'a');
    EXPECT_EQ(ParseFileList(name + ".txt\r\nb\r\n"), (std::vector<std::string>{name + ".txt", "b"}));
}

TEST(CSweepraDoc, WorksOnTheFolderOfItsOwnExecutable) {
    CSweepraDoc doc("C:\\Program Files\\Kestrowa\\Sweepra.exe", AsIs);
    EXPECT_EQ(doc.AppFolder(), "C:\\Program Files\\Kestrowa\\");
    EXPECT_EQ(doc.SelfName(), "Sweepra.exe");
}

TEST(CSweepraDoc, ReadsItsFolderListAndComparesWithoutCase) {
    TempDir dir;
    CSweepraDoc doc(dir.File("Sweepra.exe"), AsIs);
    doc.ReadInstalledNames();
    EXPECT_TRUE(doc.InstalledNames().empty()) << "a missing list allows nothing";

    dir.Write("FileList.txt", "KESTROWA.EXE\r\n Orvelle\r\n");
    doc.ReadInstalledNames();
    EXPECT_TRUE(doc.IsInstalled("Kestrowa.exe"));
    EXPECT_FALSE(doc.IsInstalled("Orvelle"));
    EXPECT_TRUE(doc.IsInstalled(" ORVELLE"));
    EXPECT_FALSE(doc.IsInstalled("kestrowa"));

    // Each reading starts afresh.
    dir.Write("FileList.txt", "other.txt\r\n");
    doc.ReadInstalledNames();
    EXPECT_EQ(doc.InstalledNames(), std::vector<std::string>{"other.txt"});
}

TEST(CSweepraDoc, DecodesTheListWithTheGivenDecoder) {
    TempDir dir;
    dir.Write("FileList.txt", "x\r\n");
    CSweepraDoc doc(dir.File("Sweepra.exe"),
                    [](std::string_view bytes) { return "Decoded-" + std::string(bytes); });
    doc.ReadInstalledNames();
    EXPECT_EQ(doc.InstalledNames(), std::vector<std::string>{"decoded-x"});
}

}  // namespace
