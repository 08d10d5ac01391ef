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

INT_PTR CAboutDlg::OnOk(WPARAM, LPARAM) {
    End(IDOK);
    return TRUE;
}

}  // namespace kestrowa
