#pragma once
#include "platform/win/ui/Dialog.h"

namespace kestrowa {

// The wait window, template 139: shown while the viewer first reads the log, closed when the
// first month is shown. Modeless (`Modeless<CWaitDlg>`); destroying the object closes it.
class CWaitDlg : public DialogWithTable<CWaitDlg> {
public:
    CWaitDlg();
    static std::span<const MessageEntry<CWaitDlg>> MessageTable();

private:
    void OnInitDialog(WPARAM, LPARAM);
};

}  // namespace kestrowa
