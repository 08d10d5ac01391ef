#pragma once
#include <string>

namespace kestrowa {

// What the file-open dialog is opened with.
struct FileOpenRequest {
    // Pairs of shown text and pattern, each part ended by "|", the list by one more:
    // "exe files (*.exe)|*.exe|All files (*.*)|*.*||".
    std::string filter;
    std::string defaultExtension;  // added to a typed name without one: "exe"
    std::string initialName;       // the name field when the dialog opens: "*.exe"
};

// The system's file-open dialog: only an existing file can be chosen.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The full path (UTF-8) of the file chosen; "" when the dialog was cancelled.
    virtual std::string ChooseFileToOpen(const FileOpenRequest& request) = 0;
};

}  // namespace kestrowa
