#pragma once
#include "platform/win/ui/Dialog.h"

namespace kestrowa {

// Each program's about box: dialog template 100 with its icon, version lines and OK, all in the
// program's own resources.
class CAboutDlg : public DialogWithTable<CAboutDlg> {
public:
    static constexpr int kTemplateId = 100;
    CAboutDlg();
    static std::span<const MessageEntry<CAboutDlg>> MessageTable();

private:
    void OnOk();
};

// The about item of a main window's system menu: id 16 with the text of string resource 101.
inline constexpr UINT kAboutMenuId = 16;
inline constexpr int kAboutMenuTextId = 101;
// Appends a separator and the about item to `window`'s system menu, when the program has the
// item's text.
void AppendAboutItem(HWND window);
// System commands 16 to 31 all stand for the about item; the others go to the default handling.
inline bool IsAboutCommand(WPARAM command) { return (command & 0xFFF0u) == kAboutMenuId; }

}  // namespace kestrowa
