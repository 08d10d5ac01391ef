#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "../Host.h"
#include "../WaitFor.h"
#include "SweepraDriver.h"
#include "platform/win/os/Text.h"

namespace fs = std::filesystem;

namespace {

const std::wstring kFirstQuestion = L"アプリケーションをアンインストールしますか？";
const std::wstring kSecondQuestion = L"ｱﾌﾟﾘｹｰｼｮﾝがあるﾌｫﾙﾀﾞ内の全ファイルを削除します！";

bool KeyExists(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void CreateKey(const std::wstring& path) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t value[] = L"C:\\Kestrowa\\";
    RegSetValueExW(key, L"AppDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    RegCloseKey(key);
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An install folder of the suite in a temporary folder of its own, with the shipped
// "FileList.txt", the user's log and a file of the user's, and the recorder's registry keys.
// The registry keys of the recorder have fixed names, so these tests run one at a time.
class SweepraEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::wstring name(test.begin(), test.end());
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        base_ = fs::path(temp) / (L"sweepra-" + name + L"-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(base_);
        app_ = base_ / L"Kestrowa";
        fs::create_directories(app_ / L"Orvelle");
        other_ = base_ / L"elsewhere";
        fs::create_directories(other_);

        fs::path built = HostPathToWindows(SWEEPRA_EXE);
        ASSERT_TRUE(CopyFileW(built.c_str(), (app_ / L"Sweepra.exe").c_str(), FALSE)) << built;
        const char* source = std::getenv("KESTROWA_SOURCE_DIR");
        ASSERT_NE(source, nullptr);
        fs::path list = HostPathToWindows(std::string(source) + "/resources/FileList.txt");
        ASSERT_TRUE(CopyFileW(list.c_str(), (app_ / L"FileList.txt").c_str(), FALSE)) << list;
        for (const wchar_t* file : {L"KESTROWA.EXE", L"Kestrowa.html", L"Kestrofl.dat",
                                    L"Kestrofl.bak", L"メモ.txt", L"Orvelle\\ORVELLE.EXE",
                                    L"Orvelle\\Orvelle.html"})
            Write(app_ / file, "x");

        // The family key and another application's key must outlive the recorder's.
        otherAppKey_ = L"Software\\Nimbra\\Harnie\\Window";
        ownKey_ = L"Software\\Nimbra\\SweepraTest" + name;
        CreateKey(L"Software\\Nimbra\\Kestrowa\\System");
        CreateKey(otherAppKey_);
        CreateKey(ownKey_);
    }

    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Nimbra\\Kestrowa");
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Nimbra\\Harnie");
        RegDeleteTreeW(HKEY_CURRENT_USER, ownKey_.c_str());
        std::error_code ec;
        fs::remove_all(base_, ec);
    }

    static void Write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // The names below a folder, relative to it, folders with a trailing backslash.
    static std::vector<std::wstring> Contents(const fs::path& folder) {
        std::vector<std::wstring> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            names.push_back(fs::relative(entry.path(), folder).wstring() +
                            (entry.is_directory() ? L"\\" : L""));
        std::sort(names.begin(), names.end());
        return names;
    }

    void ExpectUntouched() {
        EXPECT_EQ(Contents(app_),
                  (std::vector<std::wstring>{L"FileList.txt", L"KESTROWA.EXE", L"Kestrofl.bak",
                                             L"Kestrofl.dat", L"Kestrowa.html", L"Orvelle\\",
                                             L"Orvelle\\ORVELLE.EXE", L"Orvelle\\Orvelle.html",
                                             L"Sweepra.exe", L"メモ.txt"}));
        EXPECT_TRUE(KeyExists(L"Software\\Nimbra\\Kestrowa\\System"));
    }

    void ExpectRecorderRemoved() {
        // What the list names is gone; the log, the user's file and the uninstaller stay.
        EXPECT_EQ(Contents(app_), (std::vector<std::wstring>{L"Kestrofl.bak", L"Kestrofl.dat",
                                                            L"Sweepra.exe", L"メモ.txt"}));
        EXPECT_FALSE(KeyExists(L"Software\\Nimbra\\Kestrowa\\System"));
        EXPECT_FALSE(KeyExists(L"Software\\Nimbra\\Kestrowa"));
        EXPECT_TRUE(KeyExists(L"Software\\Nimbra"));
        EXPECT_TRUE(KeyExists(otherAppKey_));
        EXPECT_TRUE(KeyExists(ownKey_));
    }

    std::wstring Exe() const { return (app_ / L"Sweepra.exe").wstring(); }

    // Both questions answered with OK, the report awaited, the window closed.
    void RunToTheEnd() {
        SweepraProcess sweepra(Exe(), app_.wstring());
        ASSERT_TRUE(sweepra.Started());
        sweepra.Answer(IDOK);
        sweepra.Answer(IDOK);
        EXPECT_FALSE(sweepra.WaitForReport().empty());
        sweepra.Close();
        ASSERT_TRUE(sweepra.WaitForExit(30000));
    }

    fs::path base_, app_, other_;
    std::wstring otherAppKey_, ownKey_;
};

TEST_F(SweepraEndToEndTest, TwoOksRemoveTheListedFilesAndTheRecordersKeys) {
    SweepraProcess sweepra(Exe(), app_.wstring());
    ASSERT_TRUE(sweepra.Started());
    EXPECT_EQ(sweepra.Answer(IDOK), kFirstQuestion);
    EXPECT_EQ(sweepra.Answer(IDOK), kSecondQuestion);
    EXPECT_EQ(sweepra.WaitForReport(),
              L"ケストロワ のアンインストール   ［実行モデュール Sweepra.exe Ver1.10］");
    // The report stays until the user closes the window.
    EXPECT_FALSE(sweepra.WaitForExit(500));
    // The close request is taken from the queue only after the run: files and keys are looked
    // at once the program has ended, never while it may still be deleting.
    sweepra.Close();
    ASSERT_TRUE(sweepra.WaitForExit(30000));
    ExpectRecorderRemoved();
}

TEST_F(SweepraEndToEndTest, CancelInEitherQuestionChangesNothingAndEndsTheProgram) {
    for (int cancelled = 0; cancelled < 2; ++cancelled) {
        SCOPED_TRACE(cancelled == 0 ? "cancel in the first question" : "cancel in the second");
        SweepraProcess sweepra(Exe(), app_.wstring());
        ASSERT_TRUE(sweepra.Started());
        EXPECT_EQ(sweepra.Answer(cancelled == 0 ? IDCANCEL : IDOK), kFirstQuestion);
        if (cancelled == 1) {
            EXPECT_EQ(sweepra.Answer(IDCANCEL), kSecondQuestion);
        }
        EXPECT_TRUE(sweepra.WaitForExit(30000));
        ExpectUntouched();
    }
}

TEST_F(SweepraEndToEndTest, AnotherCurrentDirectoryIsNeitherReadNorTouched) {
    // The current directory looks like an install of its own; the uninstaller must still work
    // on the folder of its executable only.
    Write(other_ / L"FileList.txt", "FileList.txt\r\nKESTROWA.EXE\r\nnotes.txt\r\n");
    Write(other_ / L"KESTROWA.EXE", "x");
    Write(other_ / L"notes.txt", "x");
    SweepraProcess sweepra(Exe(), other_.wstring());
    ASSERT_TRUE(sweepra.Started());
    EXPECT_EQ(sweepra.Answer(IDOK), kFirstQuestion);
    EXPECT_EQ(sweepra.Answer(IDOK), kSecondQuestion);
    sweepra.WaitForReport();
    sweepra.Close();
    ASSERT_TRUE(sweepra.WaitForExit(30000));
    EXPECT_EQ(Contents(other_),
              (std::vector<std::wstring>{L"FileList.txt", L"KESTROWA.EXE", L"notes.txt"}));
    ExpectRecorderRemoved();
}

TEST_F(SweepraEndToEndTest, AnotherApplicationOfTheFamilyLosesItsOwnKeysOnly) {
    fs::remove(app_ / L"KESTROWA.EXE");
    Write(app_ / L"Harnie.exe", "x");
    Write(app_ / L"ハルニエの説明.html", "x");
    // The list is in the system's code page (932 here): "ハルニエの説明.html".
    Write(app_ / L"FileList.txt",
          "Harnie.exe\r\n\x83\x6e\x83\x8b\x83\x6a\x83\x47\x82\xcc\x90\xe0\x96\xbe.html\r\n");
    for (const wchar_t* key : {L"Software\\Nimbra\\Harnie\\Memo", L"Software\\Nimbra\\Harnie\\Settings"})
        CreateKey(key);
    SweepraProcess sweepra(Exe(), app_.wstring());
    ASSERT_TRUE(sweepra.Started());
    sweepra.Answer(IDOK);
    sweepra.Answer(IDOK);
    EXPECT_EQ(sweepra.WaitForReport(),
              L"ハルニエ のアンインストール   ［実行モデュール Sweepra.exe Ver1.10］");
    sweepra.Close();
    ASSERT_TRUE(sweepra.WaitForExit(30000));
    EXPECT_FALSE(fs::exists(app_ / L"Harnie.exe"));
    EXPECT_FALSE(fs::exists(app_ / L"ハルニエの説明.html"));
    EXPECT_FALSE(KeyExists(L"Software\\Nimbra\\Harnie"));
    EXPECT_TRUE(KeyExists(L"Software\\Nimbra\\Kestrowa\\System"));
    EXPECT_TRUE(KeyExists(ownKey_));
}

TEST_F(SweepraEndToEndTest, AListedLinkInTheFolderOrASubfolderLeavesItsTargetAlone) {
    // Listed names, in the folder and in a subfolder, that are links to files elsewhere.
    const fs::path links[] = {app_ / L"Kestrowa.html", app_ / L"Orvelle\\Orvelle.html"};
    for (const fs::path& link : links) {
        Write(other_ / link.filename(), "canary");
        fs::remove(link);
        ASSERT_TRUE(OnHost("/bin/ln", L"-s", {other_ / link.filename(), link},
                           [&] { return fs::exists(link); }));
    }
    RunToTheEnd();
    EXPECT_EQ(Read(other_ / L"Kestrowa.html"), "canary");
    EXPECT_EQ(Read(other_ / L"Orvelle.html"), "canary");
    // The rest of the list still goes.
    EXPECT_FALSE(fs::exists(app_ / L"KESTROWA.EXE"));
    EXPECT_FALSE(fs::exists(app_ / L"Orvelle\\ORVELLE.EXE"));
    EXPECT_FALSE(KeyExists(L"Software\\Nimbra\\Kestrowa"));
    OnHost("/bin/rm", L"-f", {links[0], links[1]},
           [&] { return !fs::exists(links[0]) && !fs::exists(links[1]); });
}

TEST_F(SweepraEndToEndTest, ANameEndingInADotOrABlankNeverDeletesTheFileWithoutIt) {
    // The system's path rules would turn "notes.txt." into "notes.txt"; only the exact names
    // are the listed ones.
    const std::vector<fs::path> exact = {L"\\\\?\\" + (app_ / L"notes.txt.").wstring(),
                                         L"\\\\?\\" + (app_ / L"Orvelle\\memo.txt ").wstring()};
    for (const fs::path& path : exact) Write(path, "x");
    Write(app_ / L"notes.txt", "x");
    Write(app_ / L"Orvelle\\memo.txt", "x");
    Write(app_ / L"FileList.txt", "notes.txt.\r\nmemo.txt \r\n");
    RunToTheEnd();
    EXPECT_EQ(Read(app_ / L"notes.txt"), "x");
    EXPECT_EQ(Read(app_ / L"Orvelle\\memo.txt"), "x");
    // Names the ordinary path rules cannot reach are not left for the clean-up.
    for (const fs::path& path : exact) DeleteFileW(path.c_str());
}

// Everything below `folder` but `inside` and what it holds, with each file's bytes.
std::vector<std::wstring> Outside(const fs::path& folder, const fs::path& inside) {
    std::vector<std::wstring> seen;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
        if (it->path() == inside) {
            it.disable_recursion_pending();
            continue;
        }
        std::wstring entry = fs::relative(it->path(), folder).wstring();
        if (it->is_directory()) {
            entry += L'\\';
        } else {
            const std::string bytes = Read(it->path());
            entry.append(L" ").append(bytes.begin(), bytes.end());
        }
        seen.push_back(entry);
    }
    std::sort(seen.begin(), seen.end());
    return seen;
}

TEST_F(SweepraEndToEndTest, AHostileListChangesNothingOutsideTheFolder) {
    // Canaries beside the install folder: a file, a folder holding a listed name, an empty
    // folder; the folders linked from the install folder and from its subfolder under listed
    // names.
    Write(other_ / L"canary.txt", "canary");
    Write(base_ / L"beside.txt", "canary");
    fs::create_directories(other_ / L"nest");
    Write(other_ / L"nest" / L"KESTROWA.EXE", "canary");
    fs::create_directories(other_ / L"hollow");
    const fs::path links[] = {app_ / L"nest", app_ / L"hollow", app_ / L"Orvelle" / L"nest"};
    for (const fs::path& link : links)
        ASSERT_TRUE(OnHost("/bin/ln", L"-s", {other_ / link.filename(), link}, [&] { return fs::exists(link); }));
    // Device names made as plain files in the folder, by names the path rules do not touch.
    const std::wstring devices[] = {L"CON", L"NUL", L"COM1", L"aux.txt"};
    const auto exact = [&](const std::wstring& name) { return L"\\\\?\\" + (app_ / name).wstring(); };
    for (const std::wstring& device : devices) {
        Write(exact(device), "x");
        ASSERT_NE(GetFileAttributesW(exact(device).c_str()), INVALID_FILE_ATTRIBUTES);
    }
    const std::string outside = kestrowa::WideToUtf8((other_ / L"canary.txt").wstring());
    std::string list = "KESTROWA.EXE\r\nORVELLE.EXE\r\nFileList.txt\r\nnest\r\nhollow\r\n..\r\n.\r\n"
                       "..\\elsewhere\\canary.txt\r\n../elsewhere/canary.txt\r\n..\\beside.txt\r\n"
                       "*\r\n*.*\r\ncanary?.txt\r\n*.txt\r\n"
                       "CON\r\nNUL\r\nCOM1\r\naux.txt\r\nPRN\r\nCONIN$\r\n"
                       "canary.txt.\r\ncanary.txt \r\nnest.\r\nnest \r\n";
    for (const std::string& path : {outside, "\\\\?\\" + outside, "\\\\.\\" + outside, outside.substr(2)})
        list += path + "\r\n";
    Write(app_ / L"FileList.txt", list);
    const std::vector<std::wstring> before = Outside(base_, app_);

    RunToTheEnd();
    EXPECT_EQ(Outside(base_, app_), before);
    EXPECT_FALSE(fs::exists(app_ / L"KESTROWA.EXE"));
    EXPECT_FALSE(fs::exists(app_ / L"Orvelle\\ORVELLE.EXE"));
    for (const std::wstring& device : devices)
        EXPECT_EQ(GetFileAttributesW(exact(device).c_str()), INVALID_FILE_ATTRIBUTES)
            << kestrowa::WideToUtf8(device);

    OnHost("/bin/rm", L"-f", {links[0], links[1], links[2]}, [&] {
        return !fs::exists(links[0]) && !fs::exists(links[1]) && !fs::exists(links[2]);
    });
    for (const std::wstring& device : devices) DeleteFileW(exact(device).c_str());
}

}  // namespace
