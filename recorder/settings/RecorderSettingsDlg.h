#pragma once
#include "platform/FileReplace.h"
#include "platform/win/ui/MessageBoxes.h"
#include "platform/win/ui/TabbedDialog.h"
#include "recorder/settings/EnvironmentPage.h"
#include "recorder/settings/LogFilePage.h"
#include "recorder/settings/NoticePage.h"
#include "recorder/settings/PositionPage.h"
#include "recorder/settings/SettingsDialogValues.h"
#include "recorder/settings/StartMethodPage.h"

namespace kestrowa {

// The settings dialog " 環境設定" (template 134), opened above the status window on its first tab.
// Its five pages edit `values`; on OK they hand on what their controls hold and the dialog ends
// with IDOK, on Cancel with IDCANCEL (and the status window takes nothing over).
class CRecorderSettingsDlg : public DialogWithTable<CRecorderSettingsDlg, TabbedDialog> {
public:
    CRecorderSettingsDlg(SettingsDialogValues& values, UserPrompts& prompts, FileReplacer& files);
    static std::span<const MessageEntry<CRecorderSettingsDlg>> MessageTable();

private:
    void OnInitDialog(WPARAM, LPARAM);
    void OnTabChange(const NMHDR&);
    void OnOk();
    void OnCancel();
    void PlaceAboveOwner() const;

    CStartMethodPage startMethod_;
    CEnvironmentPage environment_;
    CPositionPage position_;
    CLogFilePage logFile_;
    CNoticePage notice_;
};

}  // namespace kestrowa
