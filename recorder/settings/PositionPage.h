#pragma once
#include "platform/win/ui/TabbedDialog.h"
#include "shared/RecorderSettings.h"

namespace kestrowa {

// Page 表示位置 (template 140): the status window's offsets from its base position, counted one
// pixel per click.
class CPositionPage : public DialogWithTable<CPositionPage, Page> {
public:
    explicit CPositionPage(RecorderSettings& values);
    static std::span<const MessageEntry<CPositionPage>> MessageTable();

private:
    void OnInitDialog(WPARAM, LPARAM);
    void OnUp();
    void OnDown();
    void OnLeft();
    void OnRight();
    void ShowOffsets() const;

    RecorderSettings& values_;
};

}  // namespace kestrowa
