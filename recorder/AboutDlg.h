#pragma once
#include "platform/win/Dialog.h"

namespace kestrowa {

// The about box, dialog 100: icon 128, the version line and OK; everything is in the template.
class CAboutDlg : public DialogWithTable<CAboutDlg> {
public:
    CAboutDlg();
    static std::span<const MessageEntry<CAboutDlg>> MessageTable();

private:
    INT_PTR OnOk(WPARAM, LPARAM);
};

}  // namespace kestrowa
