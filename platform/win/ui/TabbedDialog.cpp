#include "platform/win/ui/TabbedDialog.h"

#include <commctrl.h>

#include "platform/win/os/Text.h"

namespace kestrowa {

void TabbedDialog::AddPage(Page& page, std::string_view tabText) { tabs_.push_back({&page, std::string(tabText)}); }

void TabbedDialog::ApplyPages() {
    for (const Tab& tab : tabs_)
        if (tab.page->Hwnd()) tab.page->OnApply();
}

void TabbedDialog::Prepare(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: InsertTabs(); break;
        case WM_SHOWWINDOW:
            if (wParam && !pagesCreated_) CreatePages();
            break;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.idFrom != static_cast<UINT_PTR>(tabControlId_)) break;
            if (header.code == TCN_SELCHANGING) LeaveTab();
            if (header.code == TCN_SELCHANGE) EnterTab();
            break;
        }
    }
}

void TabbedDialog::InsertTabs() const {
    HWND tab = Item(tabControlId_);
    for (size_t i = 0; i < tabs_.size(); ++i) {
        std::wstring text = Utf8ToWide(tabs_[i].text);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void TabbedDialog::CreatePages() {
    pagesCreated_ = true;
    HWND tab = Item(tabControlId_);
    RECT area{};
    GetWindowRect(tab, &area);
    MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tab, FALSE, &area);
    for (const Tab& each : tabs_) {
        HWND page = each.page->CreateModeless(Hwnd());
        // Right after the tab control: the Tab key goes from the tabs into the page, then on.
        SetWindowPos(page, tab, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOACTIVATE);
    }
    TabCtrl_SetCurSel(tab, current_);
    ShowCurrentPage();
}

bool TabbedDialog::TakeKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !(GetKeyState(VK_CONTROL) & 0x8000)) return false;
    ChooseTab((GetKeyState(VK_SHIFT) & 0x8000) ? -1 : +1);
    return true;
}

// The notifications a click on the tab sends, so the page and the derived table follow alike.
void TabbedDialog::ChooseTab(int step) {
    HWND tab = Item(tabControlId_);
    const int count = TabCtrl_GetItemCount(tab);
    if (count <= 0) return;
    NMHDR header{tab, static_cast<UINT_PTR>(tabControlId_), static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageW(Hwnd(), WM_NOTIFY, static_cast<WPARAM>(tabControlId_), reinterpret_cast<LPARAM>(&header));
    TabCtrl_SetCurSel(tab, (TabCtrl_GetCurSel(tab) + step + count) % count);
    header.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageW(Hwnd(), WM_NOTIFY, static_cast<WPARAM>(tabControlId_), reinterpret_cast<LPARAM>(&header));
}

void TabbedDialog::LeaveTab() {
    current_ = TabCtrl_GetCurSel(Item(tabControlId_));
    if (Page* page = PageAt(current_)) {
        page->OnKillActive();
        ShowWindow(page->Hwnd(), SW_HIDE);
    }
}

void TabbedDialog::EnterTab() {
    current_ = TabCtrl_GetCurSel(Item(tabControlId_));
    ShowCurrentPage();
}

void TabbedDialog::ShowCurrentPage() {
    if (Page* page = PageAt(current_)) {
        page->OnSetActive();
        ShowWindow(page->Hwnd(), SW_SHOW);
    }
}

Page* TabbedDialog::PageAt(int index) const {
    if (index < 0 || index >= static_cast<int>(tabs_.size())) return nullptr;
    Page* page = tabs_[static_cast<size_t>(index)].page;
    return page->Hwnd() ? page : nullptr;
}

}  // namespace kestrowa
