#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "DialogTestIds.h"
#include "platform/win/ui/AboutDlg.h"
#include "platform/win/ui/TabbedDialog.h"

namespace kestrowa {
namespace {

using Seen = std::vector<std::string>;

// A page that notes its hooks, its button and its end.
class TestPage : public DialogWithTable<TestPage, Page> {
public:
    TestPage(int templateId, std::string name, Seen& seen) : DialogWithTable(templateId), name_(name), seen_(seen) {}
    static std::span<const MessageEntry<TestPage>> MessageTable() {
        static const MessageEntry<TestPage> table[] = {
            OnCommand(IDC_TEST_PAGE_BUTTON, &TestPage::OnButton),
            OnMessage(WM_DESTROY, &TestPage::OnDestroy),
        };
        return table;
    }
    void OnSetActive() override { Note("active"); }
    void OnKillActive() override { Note("inactive"); }
    void OnApply() override { Note("apply"); }

private:
    void OnButton() { Note("button"); }
    void OnDestroy(WPARAM, LPARAM) { Note("destroyed"); }
    void Note(const char* what) { seen_.push_back(name_ + " " + what); }

    std::string name_;
    Seen& seen_;
};

// Two tabs over the pages above, an edit whose changes it notes, and OK.
class TestTabbedDlg : public DialogWithTable<TestTabbedDlg, TabbedDialog> {
public:
    TestTabbedDlg(Seen& seen, int openOn)
        : DialogWithTable(IDD_TEST_TABBED, IDC_TEST_TABS),
          one(IDD_TEST_PAGE_ONE, "one", seen),
          two(IDD_TEST_PAGE_TWO, "two", seen),
          seen_(seen) {
        AddPage(one, "一つ目");
        AddPage(two, "二つ目");
        SetCurrentTab(openOn);
    }
    static std::span<const MessageEntry<TestTabbedDlg>> MessageTable() {
        using D = TestTabbedDlg;
        static const MessageEntry<D> table[] = {
            OnNotify(IDC_TEST_TABS, TCN_SELCHANGING, &D::OnTabChanging),
            OnNotify(IDC_TEST_TABS, TCN_SELCHANGE, &D::OnTabChange),
            OnCommand(IDC_TEST_EDIT, EN_CHANGE, &D::OnEditChange),
            OnCommand(IDOK, &D::OnOk),
            OnMessage(WM_DESTROY, &D::OnDestroy),
        };
        return table;
    }

    TestPage one;
    TestPage two;

private:
    void OnTabChanging(const NMHDR&) { seen_.push_back("dialog changing"); }
    void OnTabChange(const NMHDR&) { seen_.push_back("dialog changed"); }
    void OnEditChange() { seen_.push_back("edit changed"); }
    void OnOk() {
        ApplyPages();
        End(IDOK);
    }
    void OnDestroy(WPARAM, LPARAM) { seen_.push_back("dialog destroyed"); }

    Seen& seen_;
};

bool Visible(const Dialog& dialog) { return dialog.Hwnd() && IsWindowVisible(dialog.Hwnd()); }

// The pages end after their dialog, in no order of theirs: sorted from `from` on.
Seen SortedFrom(Seen seen, size_t from) {
    std::sort(seen.begin() + static_cast<std::ptrdiff_t>(from), seen.end());
    return seen;
}

class TabbedDialogTest : public testing::Test {
protected:
    void Open(int openOn = 0) {
        dialog = std::make_unique<Modeless<TestTabbedDlg>>(seen, openOn);
        ASSERT_NE(dialog->Create(nullptr), nullptr);
        ShowWindow(dialog->Hwnd(), SW_SHOW);
    }
    // What a click on a tab sends: the tab being left, the change of selection, the tab chosen.
    void ChooseTab(int index) {
        Notify(IDC_TEST_TABS, TCN_SELCHANGING);
        TabCtrl_SetCurSel(dialog->Item(IDC_TEST_TABS), index);
        Notify(IDC_TEST_TABS, TCN_SELCHANGE);
    }
    void Notify(UINT id, UINT code) {
        NMHDR header{dialog->Item(static_cast<int>(id)), id, code};
        SendMessageW(dialog->Hwnd(), WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
    }

    Seen seen;
    std::unique_ptr<Modeless<TestTabbedDlg>> dialog;
};

TEST_F(TabbedDialogTest, PagesAreMadeAtTheFirstShowOverTheTabsDisplayArea) {
    dialog = std::make_unique<Modeless<TestTabbedDlg>>(seen, 0);
    ASSERT_NE(dialog->Create(nullptr), nullptr);
    HWND tabs = dialog->Item(IDC_TEST_TABS);
    EXPECT_EQ(TabCtrl_GetItemCount(tabs), 2);
    EXPECT_EQ(dialog->one.Hwnd(), nullptr);

    ShowWindow(dialog->Hwnd(), SW_SHOW);
    ASSERT_NE(dialog->one.Hwnd(), nullptr);
    ASSERT_NE(dialog->two.Hwnd(), nullptr);
    EXPECT_EQ(GetParent(dialog->one.Hwnd()), dialog->Hwnd());
    EXPECT_TRUE(Visible(dialog->one));
    EXPECT_FALSE(Visible(dialog->two));
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0);
    EXPECT_EQ(seen, Seen{"one active"});

    // Inside the tab control, below its row of tabs.
    RECT tab{};
    RECT row{};
    RECT page{};
    GetWindowRect(tabs, &tab);
    TabCtrl_GetItemRect(tabs, 0, &row);
    GetWindowRect(dialog->one.Hwnd(), &page);
    EXPECT_GE(page.left, tab.left);
    EXPECT_LE(page.right, tab.right);
    EXPECT_GE(page.top, tab.top + row.bottom);
    EXPECT_LE(page.bottom, tab.bottom);
    RECT other{};
    GetWindowRect(dialog->two.Hwnd(), &other);
    EXPECT_TRUE(EqualRect(&page, &other));
}

TEST_F(TabbedDialogTest, ChoosingATabHidesThePageLeftAndShowsTheChosenOne) {
    Open();
    seen.clear();
    ChooseTab(1);
    EXPECT_FALSE(Visible(dialog->one));
    EXPECT_TRUE(Visible(dialog->two));
    EXPECT_EQ(dialog->CurrentTab(), 1);
    // The pages switch first; the notifications then reach the dialog's own table.
    EXPECT_EQ(seen, (Seen{"one inactive", "dialog changing", "two active", "dialog changed"}));

    ChooseTab(0);
    EXPECT_TRUE(Visible(dialog->one));
    EXPECT_FALSE(Visible(dialog->two));
    EXPECT_EQ(dialog->CurrentTab(), 0);
}

TEST_F(TabbedDialogTest, ATabWithoutAPageShowsNoneUntilAnotherIsChosen) {
    Open(5);
    EXPECT_FALSE(Visible(dialog->one));
    EXPECT_FALSE(Visible(dialog->two));
    ChooseTab(1);
    EXPECT_FALSE(Visible(dialog->one));
    EXPECT_TRUE(Visible(dialog->two));
}

// Ctrl+Tab acts as a click on the next tab, round; Tab alone is left to the dialog keys, which go
// from the tabs into the page shown before anything after it.
TEST_F(TabbedDialogTest, CtrlTabChoosesTheNextTabAndTabEntersThePage) {
    Open();
    seen.clear();
    auto press = [this](bool control) {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys);
        const MSG msg{dialog->Item(IDC_TEST_TABS), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        const bool taken = dialog->TakeKey(msg);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        return taken;
    };
    EXPECT_TRUE(press(true));
    EXPECT_EQ(dialog->CurrentTab(), 1);
    EXPECT_EQ(seen, (Seen{"one inactive", "dialog changing", "two active", "dialog changed"}));
    EXPECT_TRUE(press(true));
    EXPECT_EQ(dialog->CurrentTab(), 0);
    EXPECT_FALSE(press(false));
    EXPECT_EQ(dialog->CurrentTab(), 0);

    HWND next = GetNextDlgTabItem(dialog->Hwnd(), dialog->Item(IDC_TEST_TABS), FALSE);
    EXPECT_TRUE(next && IsChild(dialog->one.Hwnd(), next));
}

TEST_F(TabbedDialogTest, APageAnswersItsOwnControls) {
    Open();
    seen.clear();
    SendMessageW(GetDlgItem(dialog->one.Hwnd(), IDC_TEST_PAGE_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(seen, Seen{"one button"});
}

TEST_F(TabbedDialogTest, CommandsAndNotificationsGoByControlAndCode) {
    Open();
    struct Case {
        UINT message;
        UINT id;
        UINT code;
        Seen seen;
    };
    const Case cases[] = {
        {WM_COMMAND, IDC_TEST_EDIT, EN_CHANGE, {"edit changed"}},
        {WM_COMMAND, IDC_TEST_EDIT, EN_SETFOCUS, {}},
        {WM_COMMAND, IDC_TEST_EDIT, BN_CLICKED, {}},
        {WM_COMMAND, IDC_TEST_TABS, EN_CHANGE, {}},
        {WM_NOTIFY, IDC_TEST_TABS, TCN_SELCHANGE, {"one active", "dialog changed"}},
        {WM_NOTIFY, IDC_TEST_TABS, NM_CLICK, {}},
        {WM_NOTIFY, IDC_TEST_EDIT, TCN_SELCHANGE, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " " << static_cast<int>(c.code));
        seen.clear();
        if (c.message == WM_COMMAND)
            SendMessageW(dialog->Hwnd(), WM_COMMAND, MAKEWPARAM(c.id, c.code),
                         reinterpret_cast<LPARAM>(dialog->Item(static_cast<int>(c.id))));
        else
            Notify(c.id, c.code);
        EXPECT_EQ(seen, c.seen);
    }
}

TEST_F(TabbedDialogTest, OkAppliesEveryPageAndEndsTheWindow) {
    Open();
    seen.clear();
    HWND window = dialog->Hwnd();
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(SortedFrom(seen, 3), (Seen{"one apply", "two apply", "dialog destroyed", "one destroyed", "two destroyed"}));
}

TEST_F(TabbedDialogTest, DroppingTheObjectEndsTheWindowWhileItsHandlersStillRun) {
    Open();
    HWND window = dialog->Hwnd();
    seen.clear();
    dialog.reset();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(SortedFrom(seen, 1), (Seen{"dialog destroyed", "one destroyed", "two destroyed"}));
}

// A dialog that minimizes itself at initialisation, or leaves itself hidden.
class PlainDlg : public DialogWithTable<PlainDlg> {
public:
    explicit PlainDlg(bool minimize) : DialogWithTable(IDD_TEST_PLAIN), minimize_(minimize) {}
    static std::span<const MessageEntry<PlainDlg>> MessageTable() {
        static const MessageEntry<PlainDlg> table[] = {
            OnMessage(WM_INITDIALOG, &PlainDlg::OnInitDialog),
            OnCommand(IDOK, &PlainDlg::OnOk),
        };
        return table;
    }

private:
    void OnInitDialog(WPARAM, LPARAM) {
        if (minimize_) ShowWindow(Hwnd(), SW_SHOWMINNOACTIVE);
    }
    void OnOk() { End(42); }
    bool minimize_;
};

// What the running modal dialog looked like once its loop was waiting for input: a timer of the
// thread comes only from that loop, and looks until the dialog is there.
struct ModalWatch {
    HWND owner = nullptr;
    HWND dialog = nullptr;
    bool visible = false;
    bool iconic = false;
    bool ownerEnabled = true;
};
ModalWatch g_watch;

void CALLBACK LookAtModalDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = GetWindow(g_watch.owner, GW_ENABLEDPOPUP);
    if (!dialog) dialog = FindWindowW(L"#32770", L"Plain");
    if (!dialog) return;
    KillTimer(nullptr, timer);
    g_watch.dialog = dialog;
    g_watch.visible = IsWindowVisible(dialog);
    g_watch.iconic = IsIconic(dialog);
    g_watch.ownerEnabled = IsWindowEnabled(g_watch.owner);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

TEST(ModalRun, KeepsTheShowStateItsInitialisationChose) {
    struct Case {
        bool minimize;
        bool iconic;
    };
    for (const Case c : {Case{true, true}, Case{false, false}}) {
        SCOPED_TRACE(c.minimize);
        HWND owner = CreateWindowW(L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                                   nullptr);
        ASSERT_NE(owner, nullptr);
        g_watch = {owner};
        SetTimer(nullptr, 0, 20, LookAtModalDialog);
        PlainDlg dialog(c.minimize);
        EXPECT_EQ(dialog.RunModal(owner), 42);
        ASSERT_NE(g_watch.dialog, nullptr);
        EXPECT_TRUE(g_watch.visible);
        EXPECT_EQ(g_watch.iconic, c.iconic);
        EXPECT_FALSE(g_watch.ownerEnabled);
        EXPECT_TRUE(IsWindowEnabled(owner));
        EXPECT_FALSE(IsWindow(g_watch.dialog));
        DestroyWindow(owner);
    }
}

TEST(AboutItem, SystemCommandsSixteenToThirtyOneStandForIt) {
    for (WPARAM command : {WPARAM{16}, WPARAM{17}, WPARAM{31}}) EXPECT_TRUE(IsAboutCommand(command)) << command;
    for (WPARAM command : {WPARAM{0}, WPARAM{15}, WPARAM{32}, WPARAM{SC_CLOSE}, WPARAM{SC_MINIMIZE}})
        EXPECT_FALSE(IsAboutCommand(command)) << command;
}

}  // namespace
}  // namespace kestrowa
