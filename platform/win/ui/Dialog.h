#pragma once
#include <windows.h>

#include <span>
#include <string>
#include <string_view>

namespace kestrowa {

// A dialog from a template, modal or modeless. The window procedure hands every message to
// `HandleMessage`; classes derived through `DialogWithTable` route them through a static table
// of messages and command ids to member handlers. Nothing thrown by a handler leaves the window
// procedure: a failing handler counts as "not handled".
class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // Runs the dialog as a modal box; returns the code passed to `End`, or -1 when it could not
    // be created.
    INT_PTR RunModal(HWND owner);
    // Creates the dialog as a modeless window (tests create the program's windows this way).
    HWND Create(HWND owner);
    // Ends a modal run with `result`; destroys a modeless window.
    void End(INT_PTR result);
    // Destroys a modeless window now. A derived class whose handlers must see its own window's
    // destruction calls this in its destructor: the base destructor only detaches the window
    // from the object before destroying it, since the derived part is gone by then.
    void DestroyModeless();

    HWND Hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    void SetItemText(int id, std::string_view utf8) const;
    std::string ItemText(int id) const;
    void SetTitle(std::string_view utf8) const;
    std::string Title() const;

protected:
    // Called with the dialog's messages; sets `handled` when the message was taken. The value is
    // what the dialog procedure returns (for WM_INITDIALOG: whether to set the default focus).
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;
    // Called after the window is destroyed (WM_NCDESTROY); the handle is gone by then.
    virtual void OnFinalMessage() {}
    bool IsModal() const { return modal_; }

private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
};

// One line of a dialog's message table: a window message, or a command id (message WM_COMMAND)
// whose handler runs for the command of that id.
template <class T>
struct MessageEntry {
    UINT message;
    UINT commandId;
    INT_PTR (T::*handler)(WPARAM wParam, LPARAM lParam);
};

template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, INT_PTR (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, handler};
}
template <class T>
constexpr MessageEntry<T> OnCommand(UINT id, INT_PTR (T::*handler)(WPARAM, LPARAM)) {
    return {WM_COMMAND, id, handler};
}

// Base of the program's dialogs: `T::MessageTable()` returns the static table of `T`.
template <class T>
class DialogWithTable : public Dialog {
public:
    using Dialog::Dialog;

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override {
        for (const MessageEntry<T>& entry : T::MessageTable()) {
            if (entry.message != message) continue;
            if (message == WM_COMMAND && entry.commandId != LOWORD(wParam)) continue;
            handled = true;
            return (static_cast<T*>(this)->*entry.handler)(wParam, lParam);
        }
        return FALSE;
    }
};

}  // namespace kestrowa
