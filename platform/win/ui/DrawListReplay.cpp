#include "platform/win/ui/DrawListReplay.h"

#include <string>

#include "platform/win/os/Text.h"
#include "platform/win/ui/Gdi.h"

namespace kestrowa {

COLORREF ToColorRef(Colour colour) { return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF); }

Colour FromColorRef(COLORREF colour) {
    return (static_cast<Colour>(GetRValue(colour)) << 16) | (static_cast<Colour>(GetGValue(colour)) << 8) |
           GetBValue(colour);
}

namespace {

// Saves the state of a device context and puts it back at the end of scope.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;
    ~SavedDC() {
        if (saved_) RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

// Draws element by element and owns the objects it made; each one chosen replaces the one of its
// kind chosen before, which is deleted once it is no longer selected.
class Replayer {
public:
    explicit Replayer(HDC dc) : dc_(dc) {}

    void operator()(const draw::Pen& pen) {
        const int style = pen.style == draw::LineStyle::Dotted ? PS_DOT : PS_SOLID;
        Choose(Pen(CreatePen(style, pen.width, ToColorRef(pen.colour))), pen_);
    }
    void operator()(const draw::Brush& brush) { Choose(Brush(CreateSolidBrush(ToColorRef(brush.colour))), brush_); }
    void operator()(const draw::Font& font) { Choose(MakeFont(font.face, font.height, font.weight), font_); }
    void operator()(const draw::MoveTo& to) { MoveToEx(dc_, to.x, to.y, nullptr); }
    void operator()(const draw::LineTo& to) { ::LineTo(dc_, to.x, to.y); }
    void operator()(const draw::Line& line) {
        MoveToEx(dc_, line.x1, line.y1, nullptr);
        ::LineTo(dc_, line.x2, line.y2);
    }
    void operator()(const draw::Rectangle& r) { ::Rectangle(dc_, r.rect.left, r.rect.top, r.rect.right, r.rect.bottom); }
    void operator()(const draw::Text& text) {
        SetTextColor(dc_, ToColorRef(text.ink));
        if (text.background) {
            SetBkMode(dc_, OPAQUE);
            SetBkColor(dc_, ToColorRef(*text.background));
        } else {
            SetBkMode(dc_, TRANSPARENT);
        }
        const std::wstring wide = Utf8ToWide(text.text);
        TextOutW(dc_, text.x, text.y, wide.c_str(), static_cast<int>(wide.size()));
    }

private:
    template <class H>
    void Choose(GdiObject<H> made, GdiObject<H>& held) {
        if (!made) return;
        SelectObject(dc_, made.Get());
        held = std::move(made);
    }

    HDC dc_;
    Pen pen_;
    Brush brush_;
    Font font_;
};

}  // namespace

void Replay(HDC dc, const DrawList& list) {
    // The objects made outlive the saved state, so they are no longer selected when deleted.
    Replayer replayer(dc);
    SavedDC saved(dc);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    for (const draw::Element& element : list.Elements()) std::visit(replayer, element);
}

}  // namespace kestrowa
