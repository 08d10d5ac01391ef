#pragma once
#include <string>
#include <variant>
#include <vector>

#include "shared/DrawList.h"

// What a drawing puts on the surface: each segment (a LineTo included, from the point before it)
// with the pen it is drawn with, each rectangle with its pen and brush, each text.
struct DrawnLine {
    int x1, y1, x2, y2;
    kestrowa::draw::Pen pen;
};
struct DrawnRect {
    kestrowa::Rect rect;
    kestrowa::draw::Pen pen;
    kestrowa::Colour fill;
};
struct Drawn {
    std::vector<DrawnLine> lines;
    std::vector<DrawnRect> rects;
    std::vector<kestrowa::draw::Text> texts;

    explicit Drawn(const kestrowa::DrawList& list) {
        using namespace kestrowa::draw;
        Pen pen;
        kestrowa::Colour fill = kestrowa::kWhite;
        int x = 0, y = 0;
        for (const Element& e : list.Elements()) {
            if (auto* p = std::get_if<Pen>(&e)) pen = *p;
            if (auto* b = std::get_if<Brush>(&e)) fill = b->colour;
            if (auto* m = std::get_if<MoveTo>(&e)) x = m->x, y = m->y;
            if (auto* l = std::get_if<LineTo>(&e)) {
                lines.push_back({x, y, l->x, l->y, pen});
                x = l->x, y = l->y;
            }
            if (auto* l = std::get_if<Line>(&e)) lines.push_back({l->x1, l->y1, l->x2, l->y2, pen});
            if (auto* r = std::get_if<Rectangle>(&e)) rects.push_back({r->rect, pen, fill});
            if (auto* t = std::get_if<Text>(&e)) texts.push_back(*t);
        }
    }

    // The lines drawn with a pen of this colour and width.
    std::vector<DrawnLine> LinesOf(kestrowa::Colour colour, int width = 1) const {
        std::vector<DrawnLine> found;
        for (const DrawnLine& l : lines)
            if (l.pen.colour == colour && l.pen.width == width) found.push_back(l);
        return found;
    }
    // The text whose top-left corner is at (x, y); "" when there is none.
    std::string TextAt(int x, int y) const {
        for (const kestrowa::draw::Text& t : texts)
            if (t.x == x && t.y == y) return t.text;
        return {};
    }
    bool HasText(const std::string& text) const {
        for (const kestrowa::draw::Text& t : texts)
            if (t.text == text) return true;
        return false;
    }
};
