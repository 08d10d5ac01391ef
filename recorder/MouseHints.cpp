#include "recorder/MouseHints.h"

namespace kestrowa {

namespace {
constexpr const char* kHintFace = "ＭＳ ゴシック";
constexpr int kHintFontHeight = 12;
constexpr int kHintFontWeight = 400;
}  // namespace

const std::array<HintArea, 6>& HintAreas() {
    static const std::array<HintArea, 6> areas{{
        {{203, 5, 227, 28}, "最小化(タスクバーで表示)"},
        {{229, 3, 261, 33}, "バージョン情報を表示する"},
        {{262, 3, 292, 33}, "ヘルプファイルを開く"},
        {{215, 37, 255, 68}, "「環境設定」ﾀﾞｲｱﾛｸﾞを開く"},
        {{257, 37, 297, 68}, "「稼動状況の表示」ﾀﾞｲｱﾛｸﾞを開く"},
        {{229, 75, 295, 104}, "本アプリケーションを終了する"},
    }};
    return areas;
}

const HintArea* HintAt(int x, int y, const DialogScale& scale) {
    for (const HintArea& hint : HintAreas()) {
        if (scale.Of(hint.area).Contains(x, y)) return &hint;
    }
    return nullptr;
}

std::string HintBlankText() { return std::string(29, ' ') + "　 "; }

DrawList MouseHints::MouseMove(int x, int y, const DialogScale& scale) {
    DrawList drawing;
    if (const HintArea* hint = HintAt(x, y, scale)) {
        shown_ = std::string(hint->text);
        drawing.SelectFont(kHintFace, scale.Y(kHintFontHeight), kHintFontWeight)
            .Text(scale.X(7), scale.Y(106), HintBlankText(), kBlack, face_)
            .Text(scale.X(8), scale.Y(93), shown_, kBlue, face_);
    } else if (!shown_.empty()) {
        shown_.clear();
        drawing.SelectFont(kHintFace, scale.Y(kHintFontHeight), kHintFontWeight)
            .Text(scale.X(7), scale.Y(93), HintBlankText(), face_, face_);
    }
    return drawing;
}

}  // namespace kestrowa
