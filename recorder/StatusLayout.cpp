#include "recorder/StatusLayout.h"

namespace kestrowa {

void StatusUpdate::Merge(StatusUpdate later) {
    for (auto& [id, text] : later.texts) texts[id] = std::move(text);
    if (later.title) title = std::move(later.title);
    blank.insert(blank.end(), later.blank.begin(), later.blank.end());
    for (const auto& [id, set] : later.bitmaps) bitmaps[id] = set;
    restartTimer = restartTimer || later.restartTimer;
    if (later.notice) notice = std::move(later.notice);
}

DrawList BlankDrawing(const std::vector<Rect>& areas, Colour face, const DialogScale& scale) {
    DrawList drawing;
    if (areas.empty()) return drawing;
    drawing.SelectPen(face).SelectBrush(face);
    for (const Rect& area : areas) drawing.Rectangle(scale.Of(area));
    return drawing;
}

WindowPosition StatusWindowPosition(int screenWidth, int screenHeight, OsFamily family, int leftRight, int upDown,
                                    int clientHeight) {
    const int fromRight = family == OsFamily::Nt ? 350 : 340;
    return {screenWidth + leftRight - fromRight, screenHeight - upDown - clientHeight - 35};
}

}  // namespace kestrowa
