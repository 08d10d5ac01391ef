#pragma once
#include <windows.h>

#include "platform/win/ui/Gdi.h"

namespace kestrowa {

// A push button drawn with bitmaps named in the program's resources: one for the normal state,
// one while it is pressed, one while it has the focus. The button becomes owner-drawn and takes
// the size of its bitmap at the window's DPI (the bitmaps are drawn for 96), stretched to it; its
// dialog forwards WM_DRAWITEM to `Draw`.
class BitmapButton {
public:
    // Loads the three bitmaps; false when the normal one is missing.
    bool Load(const wchar_t* normal, const wchar_t* pressed, const wchar_t* focused);
    // Makes control `id` of `dialog` draw these bitmaps and sizes it to the normal one at its DPI.
    void Attach(HWND dialog, int id);
    // Draws the button for WM_DRAWITEM; false when the item is not this button.
    bool Draw(const DRAWITEMSTRUCT& item) const;
    HWND Hwnd() const { return button_; }

private:
    Bitmap normal_;
    Bitmap pressed_;
    Bitmap focused_;
    HWND button_ = nullptr;
};

}  // namespace kestrowa
