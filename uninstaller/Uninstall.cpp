#include "uninstaller/Uninstall.h"

#include "shared/Strings.h"
#include "uninstaller/AppTable.h"

namespace kestrowa {

namespace {

// Whatever the uninstaller is called, a file whose name holds this is taken for it.
constexpr const char* kUninstallerName = "sweepra.exe";
constexpr int kListedFolderLines = 10;
constexpr const char* kReportFace = "ＭＳ ゴシック";
constexpr int kReportFontHeight = 20;
constexpr int kReportFontWeight = 600;

// Paths inside the application folder use the separator its own path ends with.
char SeparatorOf(const std::string& folder) { return folder.empty() ? '\\' : folder.back(); }

bool IsUninstaller(const std::string& name) {
    return ToLowerAscii(name).find(kUninstallerName) != std::string::npos;
}

}  // namespace

FolderScan ScanAppFolder(const Directory& directory, const std::string& appFolder) {
    FolderScan scan;
    scan.files.emplace_back();
    std::vector<bool> linked;
    for (const DirectoryEntry& entry : directory.List(appFolder)) {
        if (entry.folder) {
            scan.folders.push_back(entry.name);
            linked.push_back(entry.link);
        } else if (!IsUninstaller(entry.name)) {
            scan.files[0].push_back(entry.name);
        }
    }
    const char separator = SeparatorOf(appFolder);
    for (size_t i = 0; i < scan.folders.size(); ++i) {
        std::vector<std::string>& group = scan.files.emplace_back();
        if (linked[i]) continue;
        for (const DirectoryEntry& entry : directory.List(appFolder + scan.folders[i] + separator))
            if (!entry.folder) group.push_back(entry.name);
    }
    return scan;
}

DrawList ReportBackground(int width, int height) {
    DrawList drawing;
    drawing.SelectBrush(kReportBackground).Rectangle({0, 0, width, height});
    return drawing;
}

DrawList ReportLine(int x, int y, std::string text) {
    DrawList drawing;
    drawing.SelectFont(kReportFace, kReportFontHeight, kReportFontWeight).Text(x, y, std::move(text), kReportTextColour);
    return drawing;
}

std::string TitleAfterRecognition(int row) {
    return AppOfRow(row).displayName + " のアンインストール   ［実行モデュール Sweepra.exe Ver1.10］";
}

int RunUninstall(CSweepraDoc& doc, Directory& directory, KeyRemover& keys, ReportSink& report) {
    const std::string& folder = doc.AppFolder();
    const char separator = SeparatorOf(folder);

    report.Draw(ReportLine(20, 10, "アンインストールするアプリケーション"));
    FolderScan scan = ScanAppFolder(directory, folder);
    int row = RecognizeApp(scan.files[0]);
    const TargetApp& app = AppOfRow(row);
    doc.ReadInstalledNames();

    report.SetTitle(TitleAfterRecognition(row));
    report.Draw(ReportLine(20, 35, app.displayName + app.description));
    report.Draw(ReportLine(40, 70, Format("ファイルを削除しています。  (ファイル=%d)",
                                          static_cast<int>(scan.files[0].size()))));

    // What could not be removed without reaching something else, relative to the folder.
    std::vector<std::string> leftAlone;
    // Every group is looked at: an empty folder must not keep the listed files of the folders
    // after it, as the report says the uninstall is complete.
    for (size_t g = 0; g < scan.files.size(); ++g) {
        std::string prefix = g == 0 ? "" : scan.folders[g - 1] + separator;
        for (const std::string& name : scan.files[g]) {
            if (g == 0 && ToLowerAscii(name) == ToLowerAscii(doc.SelfName())) continue;
            if (doc.IsInstalled(name) &&
                directory.RemoveFile(folder, prefix + name) == Removal::LeftAlone)
                leftAlone.push_back(prefix + name);
        }
    }

    report.Draw(ReportLine(40, 95, Format("サブディレクトリを削除しています。  (n=%d)",
                                          static_cast<int>(scan.folders.size()))));
    int removed = 0;
    for (const std::string& name : scan.folders) {
        if (!doc.IsInstalled(name)) continue;
        if (removed < kListedFolderLines)
            report.Draw(ReportLine(50, 253 + 18 * removed,
                                   Format("(削除されたｻﾌﾞﾃﾞｨﾚｸﾄﾘ%2d ", removed + 1) + folder + name + ")"));
        else if (removed == kListedFolderLines)
            report.Draw(ReportLine(50, 433, "(上記のほかにいくつかのｻﾌﾞﾃﾞｨﾚｸﾄﾘが削除されました)"));
        // A folder that still holds something stays; its line is drawn all the same.
        if (directory.RemoveEmptyFolder(folder, name) == Removal::LeftAlone)
            leftAlone.push_back(name);
        ++removed;
    }
    // The user deletes the folder by hand in the end; these are worth a look before.
    if (!leftAlone.empty())
        report.Draw(ReportLine(40, 145,
                               Format("安全に削除できなかった項目があります。  (n=%d)  ",
                                      static_cast<int>(leftAlone.size())) +
                                   folder + leftAlone.front()));

    report.Draw(ReportLine(40, 120, "レジストリのキーを解除しています。"));
    for (const std::string& key : app.registryKeys) keys.DeleteKey(key);

    report.Draw(ReportLine(20, 170, "アンインストールが完了しました！  このアンインストーラを閉じた後で"));
    report.Draw(ReportLine(20, 195, app.displayName + "をインストールしたディレクトリを手動で削除してください。"));
    report.Draw(ReportLine(20, 215, app.displayName + "のショートカットがあれば、手動で削除してください。"));
    report.Draw(ReportLine(20, 480, "ながらくのご利用ありがとうございました！"));
    return row;
}

}  // namespace kestrowa
