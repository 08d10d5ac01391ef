#include "viewer/analysis/GraphCanvas.h"

#include <algorithm>
#include <type_traits>
#include <variant>

#include "shared/DialogScale.h"

namespace kestrowa {

void SelectGraphFont(DrawList& drawing) { drawing.SelectFont("ＭＳ 明朝", 12, 400); }

void GraphText(DrawList& drawing, int x, int y, std::string text) {
    drawing.Text(x, y, std::move(text), kBlack, kWhite);
}

DrawList InGraphArea(const DrawList& design, Size area) {
    const DialogScale s(kGraphDesignSize, area);
    DrawList d;
    d.SelectPen(kWhite).SelectBrush(kWhite).Rectangle({0, 0, area.width, area.height});
    for (const draw::Element& element : design.Elements()) {
        std::visit(
            [&](const auto& e) {
                using E = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<E, draw::Pen>) d.SelectPen(e.colour, std::max(1, s.Extent(e.width)), e.style);
                else if constexpr (std::is_same_v<E, draw::Brush>) d.SelectBrush(e.colour);
                else if constexpr (std::is_same_v<E, draw::Font>) d.SelectFont(e.face, s.Extent(e.height), e.weight);
                else if constexpr (std::is_same_v<E, draw::MoveTo>) d.MoveTo(s.X(e.x), s.Y(e.y));
                else if constexpr (std::is_same_v<E, draw::LineTo>) d.LineTo(s.X(e.x), s.Y(e.y));
                else if constexpr (std::is_same_v<E, draw::Line>) d.Line(s.X(e.x1), s.Y(e.y1), s.X(e.x2), s.Y(e.y2));
                else if constexpr (std::is_same_v<E, draw::Rectangle>)
                    d.Rectangle({s.X(e.rect.left), s.Y(e.rect.top), s.X(e.rect.right), s.Y(e.rect.bottom)});
                else d.Text(s.X(e.x), s.Y(e.y), e.text, e.ink, e.background);
            },
            element);
    }
    return d;
}

}  // namespace kestrowa
