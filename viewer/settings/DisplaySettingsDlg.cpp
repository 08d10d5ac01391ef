#include "viewer/settings/DisplaySettingsDlg.h"

#include "platform/win/ui/Placement.h"
#include "viewer/settings/DisplaySettingsDlgIds.h"

namespace kestrowa {

CDisplaySettingsDlg::CDisplaySettingsDlg(const DisplaySettingsValues& values, FileDialogs& fileDialogs,
                                         HistoryAction importHistory)
    : DialogWithTable(IDD_DISPLAY_SETTINGS, IDC_SETTINGS_TABS),
      values_(values),
      items_(values.items),
      file_(values.files, values.recorderFolder, fileDialogs, std::move(importHistory)) {
    AddPage(items_, "表示項目");
    AddPage(file_, "ファイル");
    SetCurrentTab(values.tab);
}

std::span<const MessageEntry<CDisplaySettingsDlg>> CDisplaySettingsDlg::MessageTable() {
    using D = CDisplaySettingsDlg;
    static const MessageEntry<D> table[] = {
        OnMessage(WM_INITDIALOG, &D::OnInitDialog),
        OnCommand(IDOK, &D::OnOk),
        OnCommand(IDCANCEL, &D::OnCancel),
    };
    return table;
}

// Centred on the pointer by hand: not every system honours a template's request for it.
void CDisplaySettingsDlg::OnInitDialog(WPARAM, LPARAM) { CentreOnPointer(Hwnd()); }

void CDisplaySettingsDlg::OnOk() {
    ApplyPages();
    confirmed_ = values_;
    confirmed_->tab = CurrentTab();
    confirmed_->items = items_.Items();
    confirmed_->files = file_.Result();
    End(IDOK);
}

// Everything chosen in the dialog is dropped, files added to the list included.
void CDisplaySettingsDlg::OnCancel() { End(IDCANCEL); }

}  // namespace kestrowa
