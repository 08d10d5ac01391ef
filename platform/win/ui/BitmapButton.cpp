#include "platform/win/ui/BitmapButton.h"

#include "platform/win/ui/Dpi.h"

namespace kestrowa {

namespace {
HBITMAP LoadNamedBitmap(const wchar_t* name) {
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}
}  // namespace

bool BitmapButton::Load(const wchar_t* normal, const wchar_t* pressed) {
    normal_.Reset(LoadNamedBitmap(normal));
    pressed_.Reset(LoadNamedBitmap(pressed));
    if (button_) InvalidateRect(button_, nullptr, FALSE);
    return static_cast<bool>(normal_);
}

void BitmapButton::Attach(HWND dialog, int id) {
    button_ = GetDlgItem(dialog, id);
    if (!button_ || !normal_) return;
    LONG_PTR style = GetWindowLongPtrW(button_, GWL_STYLE);
    SetWindowLongPtrW(button_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    BITMAP info{};
    GetObjectW(normal_.Get(), sizeof info, &info);
    SetWindowPos(button_, nullptr, 0, 0, ScaledToDpi(button_, info.bmWidth), ScaledToDpi(button_, info.bmHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(button_, nullptr, FALSE);
}

bool BitmapButton::Draw(const DRAWITEMSTRUCT& item) const {
    if (!button_ || item.hwndItem != button_) return false;
    const HBITMAP chosen = (item.itemState & ODS_SELECTED) && pressed_ ? pressed_.Get() : normal_.Get();
    if (!chosen) return true;
    BITMAP info{};
    GetObjectW(chosen, sizeof info, &info);
    MemoryDC memory(item.hDC);
    SelectScope select(memory.Get(), chosen);
    const RECT& area = item.rcItem;
    SetStretchBltMode(item.hDC, HALFTONE);
    SetBrushOrgEx(item.hDC, 0, 0, nullptr);
    StretchBlt(item.hDC, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), 0, 0,
               info.bmWidth, info.bmHeight, SRCCOPY);
    if (item.itemState & ODS_SELECTED) {
        RECT edge = item.rcItem;
        DrawEdge(item.hDC, &edge, EDGE_SUNKEN, BF_RECT);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT inside = item.rcItem;
        InflateRect(&inside, -2, -2);
        DrawFocusRect(item.hDC, &inside);
    }
    return true;
}

}  // namespace kestrowa
