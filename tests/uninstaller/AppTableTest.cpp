#include <gtest/gtest.h>

#include "uninstaller/AppTable.h"
#include "uninstaller/Uninstall.h"

using namespace kestrowa;

namespace {

struct RecognitionCase {
    const char* what;
    std::vector<std::string> names;
    int row;
};

TEST(RecognizeApp, FirstMatchingNameDecidesAndTheHighestRowWithinIt) {
    const RecognitionCase cases[] = {
        {"recorder in upper case", {"FileList.txt", "KESTROWA.EXE"}, 6},
        {"two names in one file name, lower row first", {"Harnie.exe_Kestrowa.exe"}, 6},
        {"two names in one file name, higher row first", {"kestrowa.exe.harnie.exe"}, 6},
        {"two names of rows 0 and 1", {"Tolmea.exe+Harnie.exe"}, 1},
        {"two executables: the first found decides", {"Tolmea.exe", "Kestrowa.exe"}, 1},
        {"two executables the other way round", {"Kestrowa.exe", "Tolmea.exe"}, 6},
        {"with a prefix", {"OldKestrowa.exe"}, 6},
        {"with a further extension", {"Kestrowa.exe.bak"}, 6},
        {"cut short", {"Kestrowa.ex", "Kestrowa"}, kFallbackRow},
        {"no executable", {"FileList.txt", "Kestrofl.dat"}, kFallbackRow},
        {"empty folder", {}, kFallbackRow},
    };
    for (const RecognitionCase& c : cases) EXPECT_EQ(RecognizeApp(c.names), c.row) << c.what;
}

TEST(AppTable, RecorderAndFallbackRowsAreAsTheOtherProgramsExpect) {
    const TargetApp& recorder = AppTable()[6];
    EXPECT_EQ(recorder.displayName, "ケストロワ");
    EXPECT_EQ(recorder.description, " ：パソコンの起動終了の記録");
    EXPECT_EQ(recorder.executable, "Kestrowa.exe");
    EXPECT_EQ(recorder.registryKeys,
              (std::vector<std::string>{"Software\\Nimbra\\Kestrowa\\System", "Software\\Nimbra\\Kestrowa"}));
    EXPECT_EQ(&AppOfRow(kFallbackRow), &FallbackApp());
    EXPECT_EQ(FallbackApp().displayName, "アンインストーラ");
    EXPECT_EQ(FallbackApp().description, " ：");
    EXPECT_TRUE(FallbackApp().registryKeys.empty());
    EXPECT_EQ(TitleAfterRecognition(6), "ケストロワ のアンインストール   ［実行モデュール Sweepra.exe Ver1.10］");
    EXPECT_EQ(TitleAfterRecognition(kFallbackRow),
              "アンインストーラ のアンインストール   ［実行モデュール Sweepra.exe Ver1.10］");
}

// Rows 0 to 5 are ours to fill; what the uninstall relies on must hold for each of them.
TEST(AppTable, EveryRowDeletesOnlyItsOwnKeysSubkeysFirst) {
    for (int row = 0; row < kAppCount; ++row) {
        SCOPED_TRACE(row);
        const TargetApp& app = AppTable()[static_cast<size_t>(row)];
        EXPECT_EQ(app.description.rfind(" ：", 0), 0u);
        const std::vector<std::string>& keys = app.registryKeys;
        if (row < 6) {
            EXPECT_GE(keys.size(), 3u);
            EXPECT_LE(keys.size(), 20u);
        }
        ASSERT_FALSE(keys.empty());
        const std::string& own = keys.back();
        EXPECT_EQ(own.rfind("Software\\Nimbra\\", 0), 0u);
        EXPECT_EQ(own.find('\\', std::string("Software\\Nimbra\\").size()), std::string::npos);
        for (size_t i = 0; i < keys.size(); ++i) {
            if (i + 1 < keys.size()) {
                EXPECT_EQ(keys[i].rfind(own + "\\", 0), 0u) << keys[i];
            }
            // A key holding a later one could not be deleted: subkeys come first.
            for (size_t j = i + 1; j < keys.size(); ++j)
                EXPECT_NE(keys[j].rfind(keys[i] + "\\", 0), 0u) << keys[i] << " before " << keys[j];
        }
        // One row's executable inside another's would recognise the wrong application.
        for (int other = 0; other < kAppCount; ++other) {
            if (other == row) continue;
            EXPECT_EQ(ToLowerAscii(AppTable()[static_cast<size_t>(other)].executable)
                          .find(ToLowerAscii(app.executable)),
                      std::string::npos);
        }
    }
}

}  // namespace
