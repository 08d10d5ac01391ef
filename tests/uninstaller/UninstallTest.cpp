#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TempDir.h"
#include "shared/Strings.h"
#include "uninstaller/AppTable.h"
#include "uninstaller/Uninstall.h"

using namespace kestrowa;
namespace fs = std::filesystem;

namespace {

using Events = std::vector<std::string>;

// The real file system, listed in name order as the target system's search returns it, with
// every removal noted. The entries named in `unsafe` stand for those the system could only
// reach through a link: they are left alone.
class RecordingDirectory : public Directory {
public:
    RecordingDirectory(Events& events, const Events& unsafe) : events_(events), unsafe_(unsafe) {}
    std::vector<DirectoryEntry> List(const std::string& folder) const override {
        std::vector<DirectoryEntry> entries = real_.List(folder);
        std::sort(entries.begin(), entries.end(),
                  [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
        return entries;
    }
    Removal RemoveFile(const std::string& folder, const std::string& relative) override {
        events_.push_back("remove file " + relative);
        return Unsafe(relative) ? Removal::LeftAlone : real_.RemoveFile(folder, relative);
    }
    Removal RemoveEmptyFolder(const std::string& folder, const std::string& relative) override {
        events_.push_back("remove folder " + relative);
        return Unsafe(relative) ? Removal::LeftAlone : real_.RemoveEmptyFolder(folder, relative);
    }

private:
    bool Unsafe(const std::string& relative) const {
        return std::find(unsafe_.begin(), unsafe_.end(), relative) != unsafe_.end();
    }
    SystemDirectory real_;
    Events& events_;
    const Events& unsafe_;
};

class RecordingKeys : public KeyRemover {
public:
    explicit RecordingKeys(Events& events) : events_(events) {}
    void DeleteKey(const std::string& path) override { events_.push_back("delete key " + path); }

private:
    Events& events_;
};

class RecordingSink : public ReportSink {
public:
    explicit RecordingSink(Events& events) : events_(events) {}
    void SetTitle(const std::string& title) override { events_.push_back("title " + title); }
    // Each part is one line of the report in its font.
    void Draw(const DrawList& part) override {
        const std::vector<draw::Text> drawn = part.Texts();
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(part, ReportLine(drawn[0].x, drawn[0].y, drawn[0].text));
        texts.push_back(drawn[0]);
        events_.push_back(std::to_string(drawn[0].x) + "," + std::to_string(drawn[0].y) + " " + drawn[0].text);
    }
    std::vector<draw::Text> texts;

private:
    Events& events_;
};

// An application folder in a temporary folder, with the uninstaller in it.
class UninstallTest : public ::testing::Test {
protected:
    UninstallTest() : app_(dir_.Path().string() + "/") { Add("Sweepra.exe"); }

    void Add(const std::string& relative, const std::string& bytes = "x") {
        fs::create_directories((dir_.Path() / relative).parent_path());
        dir_.Write(relative, bytes);
    }
    void AddFolder(const std::string& relative) { fs::create_directories(dir_.Path() / relative); }

    int Run(const std::string& selfName = "Sweepra.exe") {
        events_.clear();
        CSweepraDoc doc(app_ + selfName, [](std::string_view bytes) { return std::string(bytes); });
        RecordingDirectory directory(events_, unsafe_);
        RecordingKeys keys(events_);
        RecordingSink sink(events_);
        int row = RunUninstall(doc, directory, keys, sink);
        texts_ = sink.texts;
        return row;
    }

    // What is left, relative to the application folder, folders with a trailing "/".
    std::vector<std::string> Left() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(dir_.Path()))
            names.push_back(fs::relative(entry.path(), dir_.Path()).string() +
                            (entry.is_directory() && !entry.is_symlink() ? "/" : ""));
        std::sort(names.begin(), names.end());
        return names;
    }

    Events Removals() const {
        Events removals;
        for (const std::string& e : events_)
            if (e.rfind("remove", 0) == 0 || e.rfind("delete", 0) == 0) removals.push_back(e);
        return removals;
    }

    std::string TextAt(int x, int y) const {
        for (const draw::Text& t : texts_)
            if (t.x == x && t.y == y) return t.text;
        return "(none)";
    }

    TempDir dir_;
    std::string app_;
    Events events_;
    Events unsafe_;
    std::vector<draw::Text> texts_;
};

TEST_F(UninstallTest, RecorderInstallIsRemovedStepByStepWithItsReport) {
    Add("FileList.txt", "; the suite\r\nKESTROWA.EXE\r\nFileList.txt\r\nOrvelle\r\nORVELLE.EXE\r\n");
    Add("KESTROWA.EXE");
    Add("Kestrofl.dat");
    Add("Orvelle/ORVELLE.EXE");
    EXPECT_EQ(Run(), 6);
    const std::string folderLine = "50,253 (削除されたｻﾌﾞﾃﾞｨﾚｸﾄﾘ 1 " + app_ + "Orvelle)";
    EXPECT_EQ(events_, (Events{
        "20,10 アンインストールするアプリケーション",
        "title ケストロワ のアンインストール   ［実行モデュール Sweepra.exe Ver1.10］",
        "20,35 ケストロワ ：パソコンの起動終了の記録",
        "40,70 ファイルを削除しています。  (ファイル=3)",
        "remove file FileList.txt",
        "remove file KESTROWA.EXE",
        "remove file Orvelle/ORVELLE.EXE",
        "40,95 サブディレクトリを削除しています。  (n=1)",
        folderLine,
        "remove folder Orvelle",
        "40,120 レジストリのキーを解除しています。",
        "delete key Software\\Nimbra\\Kestrowa\\System",
        "delete key Software\\Nimbra\\Kestrowa",
        "20,170 アンインストールが完了しました！  このアンインストーラを閉じた後で",
        "20,195 ケストロワをインストールしたディレクトリを手動で削除してください。",
        "20,215 ケストロワのショートカットがあれば、手動で削除してください。",
        "20,480 ながらくのご利用ありがとうございました！",
    }));
    EXPECT_EQ(Left(), (std::vector<std::string>{"Kestrofl.dat", "Sweepra.exe"}));
}

TEST_F(UninstallTest, OnlyListedNamesGoInTheFolderAndInEachDirectSubfolder) {
    Add("FileList.txt", "readme.txt\r\nKestrowa.exe\r\n");
    Add("KESTROWA.EXE");
    Add("ReadMe.TXT");
    Add("mine.txt");
    Add("a/readme.txt");
    Add("a/mine.txt");
    AddFolder("b-empty");  // an empty folder must not end the deletion for those after it
    Add("c/README.txt");
    Add("c/deeper/readme.txt");  // not a direct subfolder: never looked into
    Run();
    EXPECT_EQ(Left(), (std::vector<std::string>{"FileList.txt", "Sweepra.exe", "a/", "a/mine.txt",
                                                "b-empty/", "c/", "c/deeper/",
                                                "c/deeper/readme.txt", "mine.txt"}));
    // Subfolders and the uninstaller are not counted.
    EXPECT_EQ(TextAt(40, 70), "ファイルを削除しています。  (ファイル=4)");
    EXPECT_EQ(TextAt(40, 95), "サブディレクトリを削除しています。  (n=3)");
}

TEST_F(UninstallTest, BlanksOrDotsAroundANameKeepItFromMatching) {
    Add("FileList.txt", " KESTROWA.EXE\r\nKestrowa.html \r\n\tnotes.txt\r\nreadme.txt.\r\n");
    Add("KESTROWA.EXE");
    Add("Kestrowa.html");
    Add("notes.txt");
    Add("readme.txt");
    Run();
    EXPECT_EQ(Removals(), (Events{"delete key Software\\Nimbra\\Kestrowa\\System",
                                  "delete key Software\\Nimbra\\Kestrowa"}));
}

TEST_F(UninstallTest, TheListGoesOnlyWhenItListsItself) {
    Add("FileList.txt", "KESTROWA.EXE\r\n");
    Add("KESTROWA.EXE");
    Run();
    EXPECT_EQ(Left(), (std::vector<std::string>{"FileList.txt", "Sweepra.exe"}));
    Add("FileList.txt", "filelist.TXT\r\n");
    Run();
    EXPECT_EQ(Left(), (std::vector<std::string>{"Sweepra.exe"}));
}

TEST_F(UninstallTest, AMissingListDeletesNoFileButTheKeysOfTheRecognisedRow) {
    Add("Kestrowa.exe");
    AddFolder("Orvelle");
    EXPECT_EQ(Run(), 6);
    EXPECT_EQ(Removals(), (Events{"delete key Software\\Nimbra\\Kestrowa\\System",
                                  "delete key Software\\Nimbra\\Kestrowa"}));
}

TEST_F(UninstallTest, TheUninstallerIsNeverDeletedWhateverItIsCalled) {
    Add("FileList.txt", "sweepra.exe\r\nuninst.exe\r\nold-sweepra.exe.bak\r\n");
    Add("Uninst.exe");
    Add("Old-Sweepra.exe.bak");
    Add("Orvelle/Sweepra.exe");
    Run("Uninst.exe");
    // Names holding the uninstaller's name are not counted; only a copy in a subfolder goes.
    EXPECT_EQ(TextAt(40, 70), "ファイルを削除しています。  (ファイル=2)");
    EXPECT_EQ(Removals(), (Events{"remove file Orvelle/Sweepra.exe"}));
}

TEST_F(UninstallTest, AListedFolderThatStillHoldsFilesStaysWhileItsLineIsDrawn) {
    Add("FileList.txt", "Orvelle\r\nORVELLE.EXE\r\n");
    Add("Orvelle/ORVELLE.EXE");
    Add("Orvelle/mydata.txt");
    Run();
    EXPECT_EQ(TextAt(50, 253), "(削除されたｻﾌﾞﾃﾞｨﾚｸﾄﾘ 1 " + app_ + "Orvelle)");
    EXPECT_EQ(Left(), (std::vector<std::string>{"FileList.txt", "Orvelle/", "Orvelle/mydata.txt",
                                                "Sweepra.exe"}));
}

TEST_F(UninstallTest, ElevenOrMoreRemovedFoldersShowTenLinesAndTheSummary) {
    std::string list;
    for (int i = 1; i <= 12; ++i) {
        std::string name = Format("sub%02d", i);
        AddFolder(name);
        list += name + "\r\n";
    }
    AddFolder("unlisted");
    Add("FileList.txt", list);
    Run();
    for (int n = 0; n < 10; ++n)
        EXPECT_EQ(TextAt(50, 253 + 18 * n),
                  Format("(削除されたｻﾌﾞﾃﾞｨﾚｸﾄﾘ%2d ", n + 1) + app_ + Format("sub%02d)", n + 1));
    EXPECT_EQ(TextAt(50, 433), "(上記のほかにいくつかのｻﾌﾞﾃﾞｨﾚｸﾄﾘが削除されました)");
    EXPECT_EQ(texts_.size(), 9u + 11u);
    EXPECT_EQ(Left(), (std::vector<std::string>{"FileList.txt", "Sweepra.exe", "unlisted/"}));
}

// Twenty folders, fifty files a folder and two hundred names are not limits: what lies beyond
// them is deleted like the rest.
TEST_F(UninstallTest, ManyFoldersFilesAndNamesAreAllHandled) {
    std::string list;
    for (int i = 0; i < 150; ++i) list += Format("unused%03d.txt\r\n", i);
    for (int i = 0; i < 60; ++i) {
        Add(Format("file%02d.txt", i));
        list += Format("file%02d.txt\r\n", i);
    }
    for (int i = 0; i < 22; ++i) {
        Add(Format("sub%02d/inner.txt", i));
        list += Format("sub%02d\r\n", i);
    }
    Add("FileList.txt", list + "inner.txt\r\nFileList.txt\r\n");
    Run();
    EXPECT_EQ(Left(), std::vector<std::string>{"Sweepra.exe"});
    EXPECT_EQ(TextAt(40, 70), "ファイルを削除しています。  (ファイル=61)");
    EXPECT_EQ(TextAt(40, 95), "サブディレクトリを削除しています。  (n=22)");
    EXPECT_EQ(TextAt(50, 253 + 18 * 9), "(削除されたｻﾌﾞﾃﾞｨﾚｸﾄﾘ10 " + app_ + "sub09)");
    EXPECT_EQ(TextAt(50, 433), "(上記のほかにいくつかのｻﾌﾞﾃﾞｨﾚｸﾄﾘが削除されました)");
}

TEST_F(UninstallTest, WithoutARecognisedExecutableTheFallbackDeletesFilesButNoKey) {
    Add("FileList.txt", "notes.txt\r\n");
    Add("notes.txt");
    EXPECT_EQ(Run(), kFallbackRow);
    EXPECT_EQ(TextAt(20, 35), "アンインストーラ ：");
    EXPECT_EQ(TextAt(20, 195), "アンインストーラをインストールしたディレクトリを手動で削除してください。");
    EXPECT_EQ(Removals(), (Events{"remove file notes.txt"}));
}

TEST_F(UninstallTest, WhatCannotBeRemovedSafelyIsCountedAndTheFirstNamed) {
    Add("FileList.txt", "KESTROWA.EXE\r\nlink.txt\r\nOrvelle\r\nlinked\r\n");
    Add("KESTROWA.EXE");
    Add("link.txt");
    Add("Orvelle/link.txt");
    AddFolder("linked");
    unsafe_ = {"link.txt", "Orvelle/link.txt", "linked"};
    Run();
    EXPECT_EQ(TextAt(40, 145), "安全に削除できなかった項目があります。  (n=3)  " + app_ + "link.txt");
    EXPECT_EQ(Left(), (std::vector<std::string>{"FileList.txt", "Orvelle/", "Orvelle/link.txt",
                                                "Sweepra.exe", "link.txt", "linked/"}));
}

TEST_F(UninstallTest, ALinkedFolderIsNotLookedInto) {
    TempDir outside;
    outside.Write("KESTROWA.EXE", "x");
    fs::create_directory_symlink(outside.Path(), dir_.Path() / "linked");
    Add("FileList.txt", "KESTROWA.EXE\r\n");
    Run();
    EXPECT_EQ(outside.Read("KESTROWA.EXE"), "x");
}

TEST(Report, LinesAreWhiteInTheReportFontOnTheDarkBlueView) {
    EXPECT_EQ(DrawListText(ReportLine(40, 70, "ファイル")),
              "font \"ＭＳ ゴシック\" 20 600\n"
              "text 40 70 #ffffff \"ファイル\"\n");
    EXPECT_EQ(DrawListText(ReportBackground(640, 480)),
              "brush #0000c8\n"
              "rect 0 0 640 480\n");
}

}  // namespace
