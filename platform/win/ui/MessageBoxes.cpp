#include "platform/win/ui/MessageBoxes.h"

#include <shellapi.h>

#include "platform/win/os/Text.h"

namespace kestrowa {

int SystemPrompts::ShowMessage(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    return MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), type);
}

void SystemPrompts::OpenDocument(HWND owner, const std::string& path) {
    ShellExecuteW(owner, L"open", Utf8ToWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace kestrowa
