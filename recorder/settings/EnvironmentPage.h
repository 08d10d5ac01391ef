#pragma once
#include "platform/win/ui/TabbedDialog.h"
#include "shared/RecorderSettings.h"

namespace kestrowa {

// Page 利用環境 (template 138): what the status window shows and how often it refreshes.
class CEnvironmentPage : public DialogWithTable<CEnvironmentPage, Page> {
public:
    explicit CEnvironmentPage(RecorderSettings& values);
    static std::span<const MessageEntry<CEnvironmentPage>> MessageTable();
    void OnApply() override;

private:
    void OnInitDialog(WPARAM, LPARAM);
    bool Checked(int id) const;

    RecorderSettings& values_;
};

}  // namespace kestrowa
