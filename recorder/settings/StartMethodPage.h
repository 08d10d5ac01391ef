#pragma once
#include "platform/win/ui/TabbedDialog.h"
#include "shared/RecorderSettings.h"

namespace kestrowa {

// Page 起動方法 (template 137): the start method, the boot-time correction and the restart
// handling.
class CStartMethodPage : public DialogWithTable<CStartMethodPage, Page> {
public:
    explicit CStartMethodPage(RecorderSettings& values);
    static std::span<const MessageEntry<CStartMethodPage>> MessageTable();
    void OnApply() override;

private:
    void OnInitDialog(WPARAM, LPARAM);

    RecorderSettings& values_;
};

}  // namespace kestrowa
