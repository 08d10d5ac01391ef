#include "platform/win/ui/Dialog.h"

#include <vector>

#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {
std::string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
    return WideToUtf8(std::wstring_view(buffer.data(), static_cast<size_t>(copied)));
}
}  // namespace

Dialog::~Dialog() {
    if (hwnd_ && !modal_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

void Dialog::DestroyModeless() {
    if (hwnd_ && !modal_) DestroyWindow(hwnd_);
}

INT_PTR Dialog::RunModal(HWND owner) {
    modal_ = true;
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, Procedure,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::Create(HWND owner) {
    modal_ = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, Procedure,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::End(INT_PTR result) {
    if (!hwnd_) return;
    if (modal_)
        EndDialog(hwnd_, result);
    else
        DestroyWindow(hwnd_);
}

void Dialog::SetItemText(int id, std::string_view utf8) const {
    SetDlgItemTextW(hwnd_, id, Utf8ToWide(utf8).c_str());
}

std::string Dialog::ItemText(int id) const { return WindowText(Item(id)); }

void Dialog::SetTitle(std::string_view utf8) const { SetWindowTextW(hwnd_, Utf8ToWide(utf8).c_str()); }

std::string Dialog::Title() const { return WindowText(hwnd_); }

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
    INT_PTR result = FALSE;
    bool handled = false;
    try {
        result = self->HandleMessage(message, wParam, lParam, handled);
    } catch (...) {
        handled = false;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        self->OnFinalMessage();
    }
    // WM_INITDIALOG answers whether to set the default focus, not whether it was handled.
    if (message == WM_INITDIALOG) return handled ? result : TRUE;
    return handled ? result : FALSE;
}

}  // namespace kestrowa
