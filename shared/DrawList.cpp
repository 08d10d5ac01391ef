#include "shared/DrawList.h"

#include "shared/Strings.h"

namespace kestrowa {

std::string ColourText(Colour colour) { return Format("#%06x", static_cast<unsigned>(colour & 0xFFFFFF)); }

DrawList& DrawList::SelectPen(Colour colour, int width, draw::LineStyle style) {
    elements_.emplace_back(draw::Pen{colour, width, style});
    return *this;
}

DrawList& DrawList::SelectBrush(Colour colour) {
    elements_.emplace_back(draw::Brush{colour});
    return *this;
}

DrawList& DrawList::SelectFont(std::string face, int height, int weight) {
    elements_.emplace_back(draw::Font{std::move(face), height, weight});
    return *this;
}

DrawList& DrawList::MoveTo(int x, int y) {
    elements_.emplace_back(draw::MoveTo{x, y});
    return *this;
}

DrawList& DrawList::LineTo(int x, int y) {
    elements_.emplace_back(draw::LineTo{x, y});
    return *this;
}

DrawList& DrawList::Line(int x1, int y1, int x2, int y2) {
    elements_.emplace_back(draw::Line{x1, y1, x2, y2});
    return *this;
}

DrawList& DrawList::Rectangle(const Rect& rect) {
    elements_.emplace_back(draw::Rectangle{rect});
    return *this;
}

DrawList& DrawList::Text(int x, int y, std::string text, Colour ink, std::optional<Colour> background) {
    elements_.emplace_back(draw::Text{x, y, std::move(text), ink, background});
    return *this;
}

DrawList& DrawList::Append(const DrawList& more) {
    elements_.insert(elements_.end(), more.elements_.begin(), more.elements_.end());
    return *this;
}

std::vector<draw::Text> DrawList::Texts() const {
    std::vector<draw::Text> texts;
    for (const draw::Element& element : elements_)
        if (const auto* text = std::get_if<draw::Text>(&element)) texts.push_back(*text);
    return texts;
}

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        switch (c) {
            case '\n': quoted += "\\n"; break;
            case '\r': quoted += "\\r"; break;
            case '"':
            case '\\': quoted += {'\\', c}; break;
            default: quoted += c;
        }
    }
    return quoted + "\"";
}

struct ElementLine {
    std::string operator()(const draw::Pen& pen) const {
        return Format("pen %s %d %s", ColourText(pen.colour).c_str(), pen.width,
                      pen.style == draw::LineStyle::Dotted ? "dotted" : "solid");
    }
    std::string operator()(const draw::Brush& brush) const { return "brush " + ColourText(brush.colour); }
    std::string operator()(const draw::Font& font) const {
        return "font " + Quoted(font.face) + Format(" %d %d", font.height, font.weight);
    }
    std::string operator()(const draw::MoveTo& to) const { return Format("moveto %d %d", to.x, to.y); }
    std::string operator()(const draw::LineTo& to) const { return Format("lineto %d %d", to.x, to.y); }
    std::string operator()(const draw::Line& line) const {
        return Format("line %d %d %d %d", line.x1, line.y1, line.x2, line.y2);
    }
    std::string operator()(const draw::Rectangle& r) const {
        return Format("rect %d %d %d %d", r.rect.left, r.rect.top, r.rect.right, r.rect.bottom);
    }
    std::string operator()(const draw::Text& text) const {
        std::string line = Format("text %d %d ", text.x, text.y) + ColourText(text.ink);
        if (text.background) line += " on " + ColourText(*text.background);
        return line + " " + Quoted(text.text);
    }
};

}  // namespace

std::string DrawListText(const DrawList& list) {
    std::string text;
    for (const draw::Element& element : list.Elements()) text += std::visit(ElementLine{}, element) + "\n";
    return text;
}

}  // namespace kestrowa
