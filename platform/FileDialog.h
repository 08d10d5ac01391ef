#pragma once
#include <deque>
#include <string>
#include <vector>

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

// For tests: answers in turn from `answers` ("" once they are used up) and keeps every request.
class ScriptedFileDialogs : public FileDialogs {
public:
    std::string ChooseFileToOpen(const FileOpenRequest& request) override {
        asked.push_back(request);
        if (answers.empty()) return {};
        std::string answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }

    std::deque<std::string> answers;
    std::vector<FileOpenRequest> asked;
};

}  // namespace kestrowa
