#pragma once
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileDialog.h"

namespace kestrowa {

// A file-open dialog that answers in turn from `answers` ("" once they are used up) and keeps every request.
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
