#include "shared/DrawListSvg.h"

#include "shared/Strings.h"

namespace kestrowa {

namespace {

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
    void operator()(const draw::Rectangle& r) {
        out_ += Format("<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\"", r.rect.left, r.rect.top,
                       r.rect.right - r.rect.left, r.rect.bottom - r.rect.top) +
                Stroke() + " fill=\"" + ColourText(brush_.colour) + "\"/>\n";
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
    void Segment(int x1, int y1, int x2, int y2) {
        out_ += Format("<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\"", x1, y1, x2, y2) + Stroke() + "/>\n";
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
