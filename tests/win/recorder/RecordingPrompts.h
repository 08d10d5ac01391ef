#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/ui/MessageBoxes.h"

namespace kestrowa {

// Records every box and document instead of showing it; answers with `answer`. `whileShown`, when
// set, runs before a box returns, as what the window gets while a real box is open.
class RecordingPrompts : public UserPrompts {
public:
    struct Shown {
        std::string text;
        std::string caption;
        UINT type;
    };
    int ShowMessage(HWND, std::string_view text, std::string_view caption, UINT type) override {
        shown.push_back({std::string(text), std::string(caption), type});
        if (whileShown) whileShown();
        return answer;
    }
    void OpenDocument(HWND, const std::string& path) override { documents.push_back(path); }

    int answer = IDNO;
    std::function<void()> whileShown;
    std::vector<Shown> shown;
    std::vector<std::string> documents;
};

}  // namespace kestrowa
