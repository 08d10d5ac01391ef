#pragma once
#include "platform/win/Dialog.h"

namespace kestrowa::orvelle {

// The viewer's about box, template 100: icon 128, the version lines and OK, all in the template.
class CAboutDlg : public DialogWithTable<CAboutDlg> {
public:
    CAboutDlg();
    static std::span<const MessageEntry<CAboutDlg>> MessageTable();

private:
    INT_PTR OnOk(WPARAM, LPARAM);
};

}  // namespace kestrowa::orvelle
