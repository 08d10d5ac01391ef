#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kestrowa {

// Turns the bytes of a text file written by another program into UTF-8.
using TextDecoder = std::string (*)(std::string_view bytes);

// The uninstaller's document: the folder it works on and the names its "FileList.txt" allows it
// to delete.
class CSweepraDoc {
public:
    // The application folder is the folder of the running executable, whatever the current
    // directory: the module path cut after its last separator.
    CSweepraDoc(std::string_view modulePath, TextDecoder decode);

    const std::string& AppFolder() const { return appFolder_; }
    // The uninstaller's own file name, which is never deleted.
    const std::string& SelfName() const { return selfName_; }

    // Reads "FileList.txt" of the application folder afresh. A missing or unreadable file
    // gives an empty list, so nothing is deleted.
    void ReadInstalledNames();
    const std::vector<std::string>& InstalledNames() const { return installedNames_; }
    // Whole name against whole name, without regard to case.
    bool IsInstalled(std::string_view name) const;

private:
    std::string appFolder_;
    std::string selfName_;
    TextDecoder decode_;
    std::vector<std::string> installedNames_;  // lower case
};

// The names of a "FileList.txt", in lower case: one per line (CR LF or LF), empty lines and
// lines beginning with ";" passed over, blanks around a name kept.
std::vector<std::string> ParseFileList(std::string_view text);

}  // namespace kestrowa
