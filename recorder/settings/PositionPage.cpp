#include "recorder/settings/PositionPage.h"

#include "recorder/settings/PositionPageIds.h"
#include "recorder/settings/SettingsChoices.h"

namespace kestrowa {

CPositionPage::CPositionPage(RecorderSettings& values) : DialogWithTable(IDD_POSITION_PAGE), values_(values) {}

std::span<const MessageEntry<CPositionPage>> CPositionPage::MessageTable() {
    using P = CPositionPage;
    static const MessageEntry<P> table[] = {
        OnMessage(WM_INITDIALOG, &P::OnInitDialog),
        OnCommand(IDC_UP, &P::OnUp),
        OnCommand(IDC_DOWN, &P::OnDown),
        OnCommand(IDC_LEFT, &P::OnLeft),
        OnCommand(IDC_RIGHT, &P::OnRight),
    };
    return table;
}

void CPositionPage::OnInitDialog(WPARAM, LPARAM) { ShowOffsets(); }

void CPositionPage::OnUp() {
    values_.upDown = MovedOffset(values_.upDown, +1);
    ShowOffsets();
}

void CPositionPage::OnDown() {
    values_.upDown = MovedOffset(values_.upDown, -1);
    ShowOffsets();
}

void CPositionPage::OnLeft() {
    values_.leftRight = MovedOffset(values_.leftRight, -1);
    ShowOffsets();
}

void CPositionPage::OnRight() {
    values_.leftRight = MovedOffset(values_.leftRight, +1);
    ShowOffsets();
}

void CPositionPage::ShowOffsets() const {
    SetItemText(IDC_UP_DOWN, OffsetText(values_.upDown));
    SetItemText(IDC_LEFT_RIGHT, OffsetText(values_.leftRight));
}

}  // namespace kestrowa
