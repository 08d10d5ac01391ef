#include "platform/win/ui/Dialog.h"

#include <windowsx.h>

#include <vector>

#include "platform/win/os/Text.h"
#include "platform/win/ui/Gdi.h"
#include "platform/win/ui/Placement.h"

namespace kestrowa {

namespace {
std::string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
    return WideToUtf8(std::wstring_view(buffer.data(), static_cast<size_t>(copied)));
}
}  // namespace

// Only a page whose tabbed dialog let it go before its own window ended can get here with a
// window: it is detached first, so that no message reaches the part already taken apart.
Dialog::~Dialog() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
}

INT_PTR Dialog::RunModal(HWND owner) {
    modal_ = true;
    ended_ = false;
    result_ = 0;
    HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, Procedure,
                                   reinterpret_cast<LPARAM>(this));
    if (!hwnd) return -1;
    const bool ownerDisabled = owner && !EnableWindow(owner, FALSE);
    if (!ended_ && !IsWindowVisible(hwnd)) ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg;
    while (!ended_ && hwnd_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The quit message belongs to the loop around this one.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if ((msg.hwnd == hwnd || IsChild(hwnd, msg.hwnd)) && TakeKey(msg)) continue;
        if (IsDialogMessageW(hwnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // The owner takes the activation back before the dialog goes.
    if (ownerDisabled) EnableWindow(owner, TRUE);
    Destroy();
    modal_ = false;
    return result_;
}

HWND Dialog::CreateModeless(HWND parent) {
    modal_ = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent, Procedure,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void Dialog::End(INT_PTR result) {
    if (!hwnd_) return;
    if (!modal_) {
        DestroyWindow(hwnd_);
        return;
    }
    result_ = result;
    ended_ = true;
    ShowWindow(hwnd_, SW_HIDE);
}

void Dialog::SetItemText(int id, std::string_view utf8) const {
    SetDlgItemTextW(hwnd_, id, Utf8ToWide(utf8).c_str());
}

std::string Dialog::ItemText(int id) const { return WindowText(Item(id)); }

void Dialog::SetTitle(std::string_view utf8) const { SetWindowTextW(hwnd_, Utf8ToWide(utf8).c_str()); }

std::string Dialog::Title() const { return WindowText(hwnd_); }

void Dialog::SetIcons(HICON big, HICON small) const {
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

bool Dialog::PaintIconWhileMinimized(HICON icon) const {
    if (!IsIconic(hwnd_)) return false;
    PaintScope paint(hwnd_);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    DrawIcon(paint.Dc(), (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, icon);
    return true;
}

void Dialog::ShowPopupMenu(int menuId, LPARAM clientPoint) const {
    POINT at{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
    ClientToScreen(hwnd_, &at);
    SetForegroundWindow(hwnd_);
    MenuHandle menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId)));
    if (HMENU popup = menu.Get() ? GetSubMenu(menu.Get(), 0) : nullptr)
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    Routed routed;
    try {
        self->Prepare(message, wParam, lParam);
        routed = self->Route(message, wParam, lParam);
        // Wherever its template or its class put it, a window of its own (not a page) opens
        // whole within its monitor's work area, at any font size and DPI.
        if (message == WM_INITDIALOG && !(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)) KeepOnScreen(hwnd);
    } catch (...) {
        routed = {};
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    switch (routed.how) {
        case Routed::How::Answered: return routed.value;
        case Routed::How::Handled:
            if (message == WM_NOTIFY) SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, 0);
            return TRUE;
        case Routed::How::Default: break;
    }
    // WM_INITDIALOG answers whether to set the default focus, not whether it was handled.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace kestrowa
