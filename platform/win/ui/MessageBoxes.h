#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace kestrowa {

// Everything that opens a box or a document in front of the user; tests put in their own so
// that nothing modal or external blocks them.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // A message box owned by `owner` with the MB_ flags of `type`; returns the button chosen.
    virtual int ShowMessage(HWND owner, std::string_view text, std::string_view caption, UINT type) = 0;
    // Opens a document (the help page) with the program the shell associates with it.
    virtual void OpenDocument(HWND owner, const std::string& path) = 0;
};

// The real message boxes and the shell.
class SystemPrompts : public UserPrompts {
public:
    int ShowMessage(HWND owner, std::string_view text, std::string_view caption, UINT type) override;
    void OpenDocument(HWND owner, const std::string& path) override;
};

}  // namespace kestrowa
