#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "shared/Rect.h"

namespace kestrowa {

// A colour as 0xRRGGBB.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlue = 0x0000FF;
// "#rrggbb".
std::string ColourText(Colour colour);

// The elements of a drawing. Pens, brushes and fonts stay chosen until the next of their kind;
// before the first one the device context's own are used (black 1-pixel solid pen, white brush).
namespace draw {
enum class LineStyle { Solid, Dotted };
struct Pen {
    Colour colour = kBlack;
    int width = 1;
    LineStyle style = LineStyle::Solid;
    bool operator==(const Pen&) const = default;
};
struct Brush {
    Colour colour = kWhite;
    bool operator==(const Brush&) const = default;
};
// In the Shift-JIS character set, as every window of the suite draws its texts.
struct Font {
    std::string face;
    int height = 0;
    int weight = 400;
    bool operator==(const Font&) const = default;
};
struct MoveTo {
    int x = 0;
    int y = 0;
    bool operator==(const MoveTo&) const = default;
};
// A segment from the current point, which then moves to its end.
struct LineTo {
    int x = 0;
    int y = 0;
    bool operator==(const LineTo&) const = default;
};
// A segment from (x1, y1) to (x2, y2), which becomes the current point.
struct Line {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Line&) const = default;
};
// Outlined with the pen, filled with the brush.
struct Rectangle {
    Rect rect;
    bool operator==(const Rectangle&) const = default;
};
// Text whose top-left corner is at (x, y), in the current font; without a background the
// text is drawn over what lies beneath it.
struct Text {
    int x = 0;
    int y = 0;
    std::string text;  // UTF-8
    Colour ink = kBlack;
    std::optional<Colour> background;
    bool operator==(const Text&) const = default;
};
using Element = std::variant<Pen, Brush, Font, MoveTo, LineTo, Line, Rectangle, Text>;
}  // namespace draw

// A drawing as a value: its elements in the order they are drawn, in pixels of the surface
// drawn on. Windows replay it on a device context; tests and exports read it or write it out.
class DrawList {
public:
    DrawList& SelectPen(Colour colour, int width = 1, draw::LineStyle style = draw::LineStyle::Solid);
    DrawList& SelectBrush(Colour colour);
    DrawList& SelectFont(std::string face, int height, int weight);
    DrawList& MoveTo(int x, int y);
    DrawList& LineTo(int x, int y);
    DrawList& Line(int x1, int y1, int x2, int y2);
    DrawList& Rectangle(const Rect& rect);
    DrawList& Text(int x, int y, std::string text, Colour ink, std::optional<Colour> background = std::nullopt);
    DrawList& Append(const DrawList& more);

    const std::vector<draw::Element>& Elements() const { return elements_; }
    bool Empty() const { return elements_.empty(); }
    // The texts in order, whatever else lies between them.
    std::vector<draw::Text> Texts() const;
    bool operator==(const DrawList&) const = default;

private:
    std::vector<draw::Element> elements_;
};

// One element a line, colours as #rrggbb, texts in double quotes (a backslash before a backslash
// or a quote, line breaks written as \n and \r):
//   pen #0000ff 2 solid | brush #00ff00 | font "ＭＳ 明朝" 12 400 | moveto 38 175 | lineto 43 150
//   line 34 175 437 175 | rect 1 1 486 194 | text 12 120 #000000 on #ffffff " 5"
// (a text without background has no "on" part).
std::string DrawListText(const DrawList& list);

}  // namespace kestrowa
