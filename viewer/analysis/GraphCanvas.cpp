#include "viewer/analysis/GraphCanvas.h"

namespace kestrowa {

DrawList GraphCanvas() {
    DrawList d;
    d.SelectPen(kWhite).SelectBrush(kWhite).Rectangle({1, 1, 486, 194});
    return d;
}

void SelectGraphFont(DrawList& drawing) { drawing.SelectFont("ＭＳ 明朝", 12, 400); }

void GraphText(DrawList& drawing, int x, int y, std::string text) {
    drawing.Text(x, y, std::move(text), kBlack, kWhite);
}

}  // namespace kestrowa
