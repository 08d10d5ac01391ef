#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

#include "platform/win/ui/MessageTable.h"

namespace kestrowa {

// A dialog from a template. Its procedure hands every message to `Route`, which a class derived
// through `DialogWithTable` answers from its static message table. Nothing thrown by a handler
// leaves the procedure: a failing handler counts as "not handled".
//
// The window never outlives the object's own handlers: a modal run ends with the window
// destroyed, a modeless window exists only inside `Modeless<T>`, whose destructor destroys it
// first, and a page is a child of its tabbed dialog and goes with that dialog's window.
class Dialog {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally with `owner` disabled; returns the code passed to `End`, or -1
    // when it could not be created. A dialog that its initialisation left hidden is shown once
    // it is set up; one it left visible (minimized, say) keeps the state it chose.
    INT_PTR RunModal(HWND owner);
    // Ends a modal run with `result`; destroys a modeless window.
    void End(INT_PTR result);

    HWND Hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    void SetItemText(int id, std::string_view utf8) const;
    std::string ItemText(int id) const;
    void SetTitle(std::string_view utf8) const;
    std::string Title() const;

    // The window's big and small icon.
    void SetIcons(HICON big, HICON small) const;
    // Paints `icon` centred in the client area for WM_PAINT while the window is minimized;
    // false (nothing painted) otherwise.
    bool PaintIconWhileMinimized(HICON icon) const;
    // Shows the first popup of menu resource `menuId` at the client point of a mouse message,
    // with the window brought to the front; its commands come back as WM_COMMAND.
    void ShowPopupMenu(int menuId, LPARAM clientPoint) const;
    // Takes a message of the run's loop for the window or its controls before the dialog keys do
    // (Tab, arrows, Enter); true when it was taken. None is, unless a derived dialog takes some.
    virtual bool TakeKey(const MSG&) { return false; }

protected:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    virtual ~Dialog();

    // The dialog's answer to a message (Routed::How::Default: the default handling; for
    // WM_INITDIALOG that sets the default focus).
    virtual Routed Route(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Acts on a message before `Route` does: framework pieces such as the tabbed dialog's pages.
    virtual void Prepare(UINT, WPARAM, LPARAM) {}
    // Creates the window as a modeless dialog, or as a child when the template says so.
    HWND CreateModeless(HWND parent);
    // Destroys a window that is still there.
    void Destroy();

private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = 0;
};

// Base of the program's dialogs (`Base` = Dialog) and pages (`Base` = Page): `T::MessageTable()`
// returns the static table of `T`.
template <class T, class Base = Dialog>
class DialogWithTable : public Base {
protected:
    using Base::Base;
    Routed Route(UINT message, WPARAM wParam, LPARAM lParam) override {
        return RouteThroughTable(static_cast<T&>(*this), message, wParam, lParam);
    }
};

// A dialog of class `T` as a modeless window, the only way to make one: its destructor destroys
// the window while `T` is still whole, so that `T`'s handlers see their window's end.
template <class T>
class Modeless final : public T {
public:
    template <class... Args>
    explicit Modeless(Args&&... args) : T(std::forward<Args>(args)...) {}
    ~Modeless() override { this->Destroy(); }
    HWND Create(HWND owner) { return this->CreateModeless(owner); }
};

}  // namespace kestrowa
