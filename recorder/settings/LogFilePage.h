#pragma once
#include "platform/FileReplace.h"
#include "platform/win/ui/MessageBoxes.h"
#include "platform/win/ui/TabbedDialog.h"
#include "recorder/settings/SettingsDialogValues.h"

namespace kestrowa {

// Page ﾛｸﾞﾌｧｲﾙ (template 139): where the log is, which log the viewer reads, and the log
// maintenance (button 1029), which runs at once, whatever becomes of the dialog.
class CLogFilePage : public DialogWithTable<CLogFilePage, Page> {
public:
    CLogFilePage(const SettingsDialogValues& values, UserPrompts& prompts, FileReplacer& files);
    static std::span<const MessageEntry<CLogFilePage>> MessageTable();

private:
    void OnInitDialog(WPARAM, LPARAM);
    void OnMaintainLog();

    const SettingsDialogValues& values_;
    UserPrompts& prompts_;
    FileReplacer& files_;
};

}  // namespace kestrowa
