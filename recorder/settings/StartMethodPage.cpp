#include "recorder/settings/StartMethodPage.h"

#include "platform/win/os/Text.h"
#include "recorder/settings/SettingsChoices.h"
#include "recorder/settings/StartMethodPageIds.h"

namespace kestrowa {

namespace {
// The radio of each start method, in the order of the template.
constexpr std::pair<int, StartMethod> kMethodRadios[] = {
    {IDC_START_TRAY, StartMethod::Tray},
    {IDC_START_STARTUP, StartMethod::StartupFolder},
    {IDC_START_MANUAL, StartMethod::Manual},
};
}  // namespace

CStartMethodPage::CStartMethodPage(RecorderSettings& values)
    : DialogWithTable(IDD_START_METHOD_PAGE), values_(values) {}

std::span<const MessageEntry<CStartMethodPage>> CStartMethodPage::MessageTable() {
    static const MessageEntry<CStartMethodPage> table[] = {
        OnMessage(WM_INITDIALOG, &CStartMethodPage::OnInitDialog),
    };
    return table;
}

void CStartMethodPage::OnInitDialog(WPARAM, LPARAM) {
    for (const auto& [id, method] : kMethodRadios) CheckDlgButton(Hwnd(), id, values_.startMethod == method);
    HWND combo = Item(IDC_CORRECTION);
    for (const char* item : kCorrectionItems)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(values_.correction), 0);
    CheckDlgButton(Hwnd(), IDC_RESTART_HANDLING, values_.restartHandling);
}

void CStartMethodPage::OnApply() {
    for (const auto& [id, method] : kMethodRadios)
        if (IsDlgButtonChecked(Hwnd(), id) == BST_CHECKED) values_.startMethod = method;
    const LRESULT chosen = SendMessageW(Item(IDC_CORRECTION), CB_GETCURSEL, 0, 0);
    if (chosen >= 0 && chosen < static_cast<LRESULT>(kCorrectionItems.size()))
        values_.correction = static_cast<Correction>(chosen);
    values_.restartHandling = IsDlgButtonChecked(Hwnd(), IDC_RESTART_HANDLING) == BST_CHECKED;
}

}  // namespace kestrowa
