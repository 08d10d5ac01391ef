#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "recorder/settings/RecorderSettingsDlgIds.h"

namespace kestrowa {

// Works the settings dialog from a test in the same process, as a user's clicks would.
class SettingsDialogDriver {
public:
    explicit SettingsDialogDriver(HWND dialog) : dialog_(dialog) {}

    // The settings dialog shown now by this thread, if any.
    static HWND Find() {
        HWND found = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    HWND Tabs() const { return GetDlgItem(dialog_, IDC_SETTINGS_TABS); }
    // What a click on a tab sends: the tab being left, the change of selection, the tab chosen.
    void ChooseTab(int index) const {
        Notify(TCN_SELCHANGING);
        TabCtrl_SetCurSel(Tabs(), index);
        Notify(TCN_SELCHANGE);
    }
    // The page shown now: the one child dialog that is visible.
    HWND Page() const {
        struct Search {
            HWND dialog;
            HWND found;
        } search{dialog_, nullptr};
        EnumChildWindows(
            dialog_,
            [](HWND child, LPARAM lParam) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lParam);
                if (GetParent(child) != s->dialog || !IsDialog(child) || !IsWindowVisible(child)) return TRUE;
                s->found = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    void Click(int id) const { SendMessageW(GetDlgItem(Page(), id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return IsDlgButtonChecked(Page(), id) == BST_CHECKED; }
    void Press(int id) const { SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

private:
    static bool IsDialog(HWND hwnd) {
        wchar_t name[16] = {};
        GetClassNameW(hwnd, name, 16);
        return std::wstring_view(name) == L"#32770";
    }
    static BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lParam) {
        if (!IsDialog(hwnd) || !IsWindowVisible(hwnd) || !GetDlgItem(hwnd, IDC_SETTINGS_TABS)) return TRUE;
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    void Notify(UINT code) const {
        NMHDR header{Tabs(), IDC_SETTINGS_TABS, code};
        SendMessageW(dialog_, WM_NOTIFY, IDC_SETTINGS_TABS, reinterpret_cast<LPARAM>(&header));
    }

    HWND dialog_;
};

}  // namespace kestrowa
