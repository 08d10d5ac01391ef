#pragma once
#include <optional>
#include <string>

#include "platform/win/ui/MessageBoxes.h"
#include "platform/win/ui/TabbedDialog.h"
#include "recorder/settings/SettingsDialogValues.h"

namespace kestrowa {

// Page 時間告知 (template 158): the elapsed-time notice. Each number is taken when its edit loses
// the focus, with a warning when it cannot work as it stands (it is kept all the same).
class CNoticePage : public DialogWithTable<CNoticePage, Page> {
public:
    CNoticePage(SettingsDialogValues& values, UserPrompts& prompts);
    static std::span<const MessageEntry<CNoticePage>> MessageTable();
    void OnApply() override;

private:
    void OnInitDialog(WPARAM, LPARAM);
    void OnFirstMarkDone();
    void OnIntervalDone();
    int Number(int id) const;
    void Warn(const std::optional<std::string>& warning);

    SettingsDialogValues& values_;
    UserPrompts& prompts_;
};

}  // namespace kestrowa
