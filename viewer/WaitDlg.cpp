#include "viewer/WaitDlg.h"

#include "resources/viewer/ViewerResources.h"
#include "viewer/WaitDlgIds.h"

namespace kestrowa {

CWaitDlg::CWaitDlg() : DialogWithTable(IDD_WAIT) {}

std::span<const MessageEntry<CWaitDlg>> CWaitDlg::MessageTable() {
    static const MessageEntry<CWaitDlg> table[] = {
        OnMessage(WM_INITDIALOG, &CWaitDlg::OnInitDialog),
    };
    return table;
}

void CWaitDlg::OnInitDialog(WPARAM, LPARAM) {
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                               IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

}  // namespace kestrowa
