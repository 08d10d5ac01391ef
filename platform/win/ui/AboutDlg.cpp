#include "platform/win/ui/AboutDlg.h"

namespace kestrowa {

CAboutDlg::CAboutDlg() : DialogWithTable(kTemplateId) {}

std::span<const MessageEntry<CAboutDlg>> CAboutDlg::MessageTable() {
    static const MessageEntry<CAboutDlg> table[] = {
        OnCommand(IDOK, &CAboutDlg::OnOk),
        OnCommand(IDCANCEL, &CAboutDlg::OnOk),
    };
    return table;
}

void CAboutDlg::OnOk() { End(IDOK); }

void AppendAboutItem(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    wchar_t text[100] = {};
    if (!menu || LoadStringW(GetModuleHandleW(nullptr), kAboutMenuTextId, text, 100) <= 0) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutMenuId, text);
}

}  // namespace kestrowa
