#include "viewer/HelpLine.h"

namespace kestrowa {

namespace {

constexpr const char* kHelpFace = "ＭＳ ゴシック";
constexpr int kHelpFontHeight = 12;
constexpr int kHelpFontWeight = 400;
constexpr int kHelpLineX = 10;
constexpr int kHelpLineY = 470;
constexpr const char* kFullWidthBlank = "　";
constexpr int kBlanksBehindText = 35;
constexpr int kBlanksWhenCleared = 32;
constexpr int kBlanksForNoView = 33;

struct HelpArea {
    Rect area;
    const char* text;  // null: the text of the current view
};
// Tested in this order: 設定, Version, ﾍﾙﾌﾟ, year, month, the six view and window buttons, グラフ,
// ﾁｬｰﾄ, OK, the list.
constexpr HelpArea kHelpAreas[] = {
    {{390, 7, 438, 38}, "表示設定ダイアログを開く"},
    {{440, 7, 468, 38}, "バージョン情報を表示する"},
    {{472, 7, 502, 38}, "ヘルプファイルを開く"},
    {{415, 43, 507, 73}, "年を切り換える"},
    {{439, 56, 507, 87}, "月を切り換える"},
    {{6, 436, 63, 464}, "月別：日毎の稼動時間・起動回数、週間の稼動状況を表示(ｶﾚﾝﾀﾞｰ形式)"},
    {{66, 436, 111, 464}, "月別：日毎の最初の起動、最終の終了時刻、稼働時間等を表示"},
    {{114, 436, 187, 464}, "月別：起動毎の開始・終了時刻、稼働時間等を表示"},
    {{190, 436, 247, 464}, "年月毎の起動・稼動状況を表示(前月分まで集計)"},
    {{250, 436, 295, 464}, "設定期間の稼動状況を表示"},
    {{298, 436, 343, 464}, "ログファイルを表示"},
    {{350, 433, 370, 463}, "月別：稼働時間の推移のグラフを表示"},
    {{394, 433, 436, 463}, "月別：稼働時間のチャートを表示"},
    {{450, 452, 507, 483}, "ログの表示を中断する"},
    {{5, 98, 508, 433}, nullptr},
};

std::string Blanks(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += kFullWidthBlank;
    return text;
}

std::string ListHelpText(ViewKind view) {
    switch (view) {
        case ViewKind::Calendar: return "月別：起動・稼動状況、週間の稼動状況(カレンダー形式)";
        case ViewKind::Daily: return "月別：日毎の最初の起動、最終の終了時刻、稼働時間等";
        case ViewKind::PerStart: return "月別：起動毎の開始・終了時刻、稼働時間等";
        case ViewKind::YearMonth: return "年月毎の起動・稼動状況";
    }
    return Blanks(kBlanksForNoView);
}

}  // namespace

std::optional<std::string> HelpText(int x, int y, ViewKind view, const DialogScale& scale) {
    for (const HelpArea& area : kHelpAreas) {
        if (!scale.Of(area.area).Contains(x, y)) continue;
        return area.text ? std::string(area.text) : ListHelpText(view);
    }
    return std::nullopt;
}

DrawList HelpLine::MouseMove(int x, int y, ViewKind view, const DialogScale& scale) {
    DrawList drawing;
    const int lineX = scale.X(kHelpLineX);
    const int lineY = scale.Y(kHelpLineY);
    if (std::optional<std::string> text = HelpText(x, y, view, scale)) {
        shown_ = true;
        text_ = std::move(*text);
        // The text starts one pixel right of its blanks.
        drawing.SelectFont(kHelpFace, scale.Y(kHelpFontHeight), kHelpFontWeight)
            .Text(lineX, lineY, Blanks(kBlanksBehindText), face_, face_)
            .Text(lineX + 1, lineY, text_, kBlue, face_);
    } else if (shown_) {
        shown_ = false;
        text_.clear();
        drawing.SelectFont(kHelpFace, scale.Y(kHelpFontHeight), kHelpFontWeight)
            .Text(lineX, lineY, Blanks(kBlanksWhenCleared), face_, face_);
    }
    return drawing;
}

}  // namespace kestrowa
