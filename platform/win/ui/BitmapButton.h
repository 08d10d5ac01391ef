#pragma once
#include <windows.h>

#include "platform/win/ui/Gdi.h"

namespace kestrowa {

// A push button drawn with bitmaps named in the program's resources: one for the normal state and
// one while it is pressed; with the focus it shows the normal one inside a focus rectangle, so the
// picture always tells the state the button stands in. The button becomes owner-drawn and takes
// the size of its bitmap at the window's DPI (the bitmaps are drawn for 96), stretched to it; its
// dialog forwards WM_DRAWITEM to `Draw`.
class BitmapButton {
public:
    // Loads the two bitmaps; false when the normal one is missing.
    bool Load(const wchar_t* normal, const wchar_t* pressed);
    // Makes control `id` of `dialog` draw these bitmaps and sizes it to the normal one at its DPI.
    void Attach(HWND dialog, int id);
    // Draws the button for WM_DRAWITEM; false when the item is not this button.
    bool Draw(const DRAWITEMSTRUCT& item) const;
    HWND Hwnd() const { return button_; }

private:
    Bitmap normal_;
    Bitmap pressed_;
    HWND button_ = nullptr;
};

}  // namespace kestrowa
