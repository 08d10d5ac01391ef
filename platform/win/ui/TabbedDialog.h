#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/ui/Dialog.h"

namespace kestrowa {

// A child dialog that a `TabbedDialog` shows over its tab control's display area, one page per
// tab. Its template is a child without caption or border (DS_CONTROL | WS_CHILD); it answers
// its own controls through its own table (derive through `DialogWithTable<CMyPage, Page>`).
class Page : public Dialog {
public:
    // The page was just chosen and is about to be shown.
    virtual void OnSetActive() {}
    // The page is left for another one and is about to be hidden.
    virtual void OnKillActive() {}
    // The dialog is confirmed: the page hands on what its controls hold.
    virtual void OnApply() {}

protected:
    using Dialog::Dialog;

private:
    friend class TabbedDialog;
};

// A dialog whose tab control shows one page per tab. The tab items are inserted when the dialog
// is initialised; the pages are created when it is first shown, placed over the tab control's
// display area, and only the current one is visible. TCN_SELCHANGING hides the page being left
// and TCN_SELCHANGE shows the one chosen; both then reach the derived table like any other
// notification. A current tab without a page shows none until another tab is chosen. Ctrl+Tab
// chooses the next tab and Ctrl+Shift+Tab the one before, round, as a click on it would.
class TabbedDialog : public Dialog {
public:
    // The tab whose page is shown (the last one chosen).
    int CurrentTab() const { return current_; }
    bool TakeKey(const MSG& msg) override;

protected:
    TabbedDialog(int templateId, int tabControlId) : Dialog(templateId), tabControlId_(tabControlId) {}
    // Adds the next tab and its page; before the window exists.
    void AddPage(Page& page, std::string_view tabText);
    // The tab the dialog opens on; before it is first shown.
    void SetCurrentTab(int index) { current_ = index; }
    // Calls OnApply of every page that was created, in tab order.
    void ApplyPages();

private:
    struct Tab {
        Page* page;
        std::string text;
    };
    void Prepare(UINT message, WPARAM wParam, LPARAM lParam) override;
    void InsertTabs() const;
    void CreatePages();
    void LeaveTab();
    void EnterTab();
    void ShowCurrentPage();
    void ChooseTab(int step);
    Page* PageAt(int index) const;

    int tabControlId_;
    std::vector<Tab> tabs_;
    int current_ = 0;
    bool pagesCreated_ = false;
};

}  // namespace kestrowa
