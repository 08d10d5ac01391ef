#include "recorder/settings/RecorderSettingsDlg.h"

#include <commctrl.h>

#include "platform/win/ui/Placement.h"
#include "recorder/settings/RecorderSettingsDlgIds.h"
#include "recorder/settings/SettingsChoices.h"

namespace kestrowa {

CRecorderSettingsDlg::CRecorderSettingsDlg(SettingsDialogValues& values, UserPrompts& prompts, FileReplacer& files)
    : DialogWithTable(IDD_RECORDER_SETTINGS, IDC_SETTINGS_TABS),
      startMethod_(values.settings),
      environment_(values.settings),
      position_(values.settings),
      logFile_(values, prompts, files),
      notice_(values, prompts) {
    Page* pages[] = {&startMethod_, &environment_, &position_, &logFile_, &notice_};
    static_assert(std::size(pages) == kSettingsTabTexts.size());
    for (size_t i = 0; i < kSettingsTabTexts.size(); ++i) AddPage(*pages[i], kSettingsTabTexts[i]);
    SetCurrentTab(0);
}

std::span<const MessageEntry<CRecorderSettingsDlg>> CRecorderSettingsDlg::MessageTable() {
    using D = CRecorderSettingsDlg;
    static const MessageEntry<D> table[] = {
        OnMessage(WM_INITDIALOG, &D::OnInitDialog),
        OnNotify(IDC_SETTINGS_TABS, TCN_SELCHANGE, &D::OnTabChange),
        OnCommand(IDOK, &D::OnOk),
        OnCommand(IDCANCEL, &D::OnCancel),
    };
    return table;
}

void CRecorderSettingsDlg::OnInitDialog(WPARAM, LPARAM) {
    PlaceAboveOwner();
    if (const auto line = SettingsStatusLine(0)) SetItemText(IDC_SETTINGS_STATUS, *line);
}

void CRecorderSettingsDlg::OnTabChange(const NMHDR&) {
    if (const auto line = SettingsStatusLine(CurrentTab())) SetItemText(IDC_SETTINGS_STATUS, *line);
}

void CRecorderSettingsDlg::OnOk() {
    ApplyPages();
    End(IDOK);
}

void CRecorderSettingsDlg::OnCancel() { End(IDCANCEL); }

void CRecorderSettingsDlg::PlaceAboveOwner() const {
    HWND owner = GetWindow(Hwnd(), GW_OWNER);
    if (!owner) return;
    RECT ownerRect{};
    RECT offset{kSettingsDialogOffsetX, kSettingsDialogOffsetY, 0, 0};
    GetWindowRect(owner, &ownerRect);
    MapDialogRect(Hwnd(), &offset);
    PlaceOnScreen(Hwnd(), {ownerRect.left + offset.left, ownerRect.top + offset.top});
}

}  // namespace kestrowa
