#pragma once
#include <optional>
#include <span>

#include "platform/FileDialog.h"
#include "platform/win/ui/TabbedDialog.h"
#include "viewer/settings/DisplayItemsPage.h"
#include "viewer/settings/DisplaySettings.h"
#include "viewer/settings/FilePage.h"

namespace kestrowa {

// The display settings dialog, template 140: the pages 表示項目 and ファイル over a tab control,
// opened on the tab last used. It changes nothing itself: OK hands back the pages' values.
class CDisplaySettingsDlg : public DialogWithTable<CDisplaySettingsDlg, TabbedDialog> {
public:
    CDisplaySettingsDlg(const DisplaySettingsValues& values, FileDialogs& fileDialogs, HistoryAction importHistory);
    static std::span<const MessageEntry<CDisplaySettingsDlg>> MessageTable();

    // The values confirmed with OK; empty while the dialog runs and after Cancel.
    const std::optional<DisplaySettingsValues>& Confirmed() const { return confirmed_; }
    CDisplayItemsPage& ItemsPage() { return items_; }
    CFilePage& FilePage() { return file_; }

private:
    void OnInitDialog(WPARAM, LPARAM);
    void OnOk();
    void OnCancel();

    DisplaySettingsValues values_;
    CDisplayItemsPage items_;
    CFilePage file_;
    std::optional<DisplaySettingsValues> confirmed_;
};

}  // namespace kestrowa
