#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kestrowa {

// One application of the family the uninstaller serves.
struct TargetApp {
    std::string displayName;
    std::string description;  // follows the display name in the report; begins with " ："
    std::string executable;   // the file name by which the application is recognised
    // Keys below HKEY_CURRENT_USER in the order they are deleted: subkeys first, the
    // application's own key last. The family key itself is never among them.
    std::vector<std::string> registryKeys;
};

constexpr int kAppCount = 7;
constexpr int kFallbackRow = -1;

const std::array<TargetApp, kAppCount>& AppTable();
// Stands for an application that was not recognised: it names no registry key.
const TargetApp& FallbackApp();
// The row's application, or the fallback application for kFallbackRow.
const TargetApp& AppOfRow(int row);

// ASCII letters to lower case; every other byte (UTF-8 sequences included) stays as it is.
std::string ToLowerAscii(std::string_view text);

// The row recognised from the files of the application folder, in the order the search returned
// them: the first name that contains any row's executable name (without regard to case)
// decides, and among the rows it contains the highest one wins. kFallbackRow when none does.
int RecognizeApp(const std::vector<std::string>& fileNames);

}  // namespace kestrowa
