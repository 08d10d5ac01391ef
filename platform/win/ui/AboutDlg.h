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
    INT_PTR OnOk(WPARAM, LPARAM);
};

}  // namespace kestrowa
