#include "recorder/MouseHints.h"

namespace kestrowa {

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

const HintArea* HintAt(int x, int y) {
    for (const HintArea& hint : HintAreas()) {
        if (hint.area.Contains(x, y)) return &hint;
    }
    return nullptr;
}

std::string HintBlankText() { return std::string(29, ' ') + "　 "; }

std::vector<HintOutput> MouseHints::MouseMove(int x, int y) {
    if (const HintArea* hint = HintAt(x, y)) {
        shown = true;
        return {{7, 106, HintBlankText(), Ink::Black, Ink::ButtonFace},
                {8, 93, std::string(hint->text), Ink::Blue, Ink::ButtonFace}};
    }
    if (!shown) return {};
    shown = false;
    return {{7, 93, HintBlankText(), Ink::ButtonFace, Ink::ButtonFace}};
}

}  // namespace kestrowa
