#include "shared/DrawListSvg.h"

#include <algorithm>

#include "shared/Strings.h"

namespace kestrowa {

namespace {

// A place given in half pixels, as SVG writes it: "34" or "34.5".
std::string Halves(int halves) {
    const int whole = halves / 2;
    if (halves % 2 == 0) return Format("%d", whole);
    return halves < 0 ? Format("-%d.5", -(halves + 1) / 2) : Format("%d.5", whole);
}

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            case '\'': escaped += "&apos;"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

// Writes the elements in order, keeping the chosen pen, brush and font and the current point as
// a device context does; before the first pen and brush those of a fresh device context apply.
class SvgWriter {
public:
    explicit SvgWriter(std::string& out) : out_(out) {}

    void operator()(const draw::Pen& pen) { pen_ = pen; }
    void operator()(const draw::Brush& brush) { brush_ = brush; }
    void operator()(const draw::Font& font) { font_ = font; }
    void operator()(const draw::MoveTo& to) { at_ = to; }
    void operator()(const draw::LineTo& to) {
        Segment(at_.x, at_.y, to.x, to.y);
        at_ = {to.x, to.y};
    }
    void operator()(const draw::Line& line) {
        Segment(line.x1, line.y1, line.x2, line.y2);
        at_ = {line.x2, line.y2};
    }
    // A device context outlines the pixels from (left, top) to (right - 1, bottom - 1): an
    // odd-width stroke covers them whole along their centres.
    void operator()(const draw::Rectangle& r) {
        const int inset = OddPen() ? 1 : 0;
        const int width = std::max(0, 2 * (r.rect.right - r.rect.left - inset));
        const int height = std::max(0, 2 * (r.rect.bottom - r.rect.top - inset));
        out_ += "<rect x=\"" + Halves(2 * r.rect.left + inset) + "\" y=\"" + Halves(2 * r.rect.top + inset) +
                "\" width=\"" + Halves(width) + "\" height=\"" + Halves(height) + "\"" + Stroke() + " fill=\"" +
                ColourText(brush_.colour) + "\"/>\n";
    }
    void operator()(const draw::Text& text) {
        out_ += Format("<text x=\"%d\" y=\"%d\" fill=\"", text.x, text.y) + ColourText(text.ink) + "\"";
        if (font_)
            out_ += " font-family=\"" + Escaped(font_->face) +
                    Format("\" font-size=\"%d\" font-weight=\"%d\"", font_->height, font_->weight);
        // (x, y) is the top-left corner: the baseline lies an ascent lower, 0.88 of the size in the
        // Japanese faces drawn with. Said as a shift, since not every renderer (librsvg, which
        // makes the report's PNG pictures) knows the attributes that align a text by its top.
        out_ += " dy=\"0.88em\" xml:space=\"preserve\">" + Escaped(text.text) + "</text>\n";
    }

private:
    bool OddPen() const { return pen_.width % 2 != 0; }

    // A device context draws a line's pixels from its first point up to, not with, its last.
    // An odd-width stroke covers whole pixels only along their centres, so it runs half a pixel
    // in across its direction; along a level or upright line it spans the edges of exactly
    // those pixels (a line drawn backwards lights the pixel after each end). An even width
    // already lies on pixel edges.
    void Segment(int x1, int y1, int x2, int y2) {
        int hx1 = 2 * x1, hy1 = 2 * y1, hx2 = 2 * x2, hy2 = 2 * y2;
        if (OddPen()) {
            if (y1 == y2) {
                hy1 = hy2 = 2 * y1 + 1;
                if (x2 < x1) hx1 += 2, hx2 += 2;
            } else if (x1 == x2) {
                hx1 = hx2 = 2 * x1 + 1;
                if (y2 < y1) hy1 += 2, hy2 += 2;
            } else {
                ++hx1, ++hy1, ++hx2, ++hy2;
            }
        }
        out_ += "<line x1=\"" + Halves(hx1) + "\" y1=\"" + Halves(hy1) + "\" x2=\"" + Halves(hx2) + "\" y2=\"" +
                Halves(hy2) + "\"" + Stroke() + "/>\n";
    }
    std::string Stroke() const {
        std::string stroke = " stroke=\"" + ColourText(pen_.colour) + Format("\" stroke-width=\"%d\"", pen_.width);
        if (pen_.style == draw::LineStyle::Dotted) stroke += " stroke-dasharray=\"3 3\"";
        return stroke;
    }

    std::string& out_;
    draw::Pen pen_;
    draw::Brush brush_;
    std::optional<draw::Font> font_;
    draw::MoveTo at_;
};

}  // namespace

std::string DrawListSvg(const DrawList& list, int width, int height) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += Format("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n",
                  width, height, width, height);
    SvgWriter writer(out);
    for (const draw::Element& element : list.Elements()) std::visit(writer, element);
    return out + "</svg>\n";
}

}  // namespace kestrowa
