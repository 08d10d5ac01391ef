#include "uninstaller/AppTable.h"

namespace kestrowa {

const std::array<TargetApp, kAppCount>& AppTable() {
    static const std::array<TargetApp, kAppCount> table{{
        {"ハルニエ", " ：デスクトップの付箋メモ", "Harnie.exe",
         {"Software\\Nimbra\\Harnie\\Window", "Software\\Nimbra\\Harnie\\Memo",
          "Software\\Nimbra\\Harnie\\Settings", "Software\\Nimbra\\Harnie"}},
        {"トルメア", " ：ファイルの世代バックアップ", "Tolmea.exe",
         {"Software\\Nimbra\\Tolmea\\Schedule", "Software\\Nimbra\\Tolmea\\Target",
          "Software\\Nimbra\\Tolmea\\Option", "Software\\Nimbra\\Tolmea\\Recent File List",
          "Software\\Nimbra\\Tolmea"}},
        {"シルヴァン", " ：目覚まし時計とキッチンタイマー", "Silvane.exe",
         {"Software\\Nimbra\\Silvane\\Alarm", "Software\\Nimbra\\Silvane\\Sound",
          "Software\\Nimbra\\Silvane"}},
        {"ペロネ", " ：家計簿と月ごとの集計", "Perone.exe",
         {"Software\\Nimbra\\Perone\\Account\\Bank", "Software\\Nimbra\\Perone\\Account\\Card",
          "Software\\Nimbra\\Perone\\Account", "Software\\Nimbra\\Perone\\Category\\Income",
          "Software\\Nimbra\\Perone\\Category\\Expense", "Software\\Nimbra\\Perone\\Category",
          "Software\\Nimbra\\Perone\\Budget", "Software\\Nimbra\\Perone\\Print",
          "Software\\Nimbra\\Perone\\Window", "Software\\Nimbra\\Perone\\Settings",
          "Software\\Nimbra\\Perone\\Recent File List", "Software\\Nimbra\\Perone"}},
        {"ミズカ", " ：画像の一括縮小と名前の付け替え", "Mizuka.exe",
         {"Software\\Nimbra\\Mizuka\\Size", "Software\\Nimbra\\Mizuka\\Folder",
          "Software\\Nimbra\\Mizuka\\Rename", "Software\\Nimbra\\Mizuka"}},
        {"ラティス", " ：ダイヤルアップ接続時間の記録", "Lattis.exe",
         {"Software\\Nimbra\\Lattis\\Provider", "Software\\Nimbra\\Lattis\\Charge",
          "Software\\Nimbra\\Lattis\\System", "Software\\Nimbra\\Lattis"}},
        {"ケストロワ", " ：パソコンの起動終了の記録", "Kestrowa.exe",
         {"Software\\Nimbra\\Kestrowa\\System", "Software\\Nimbra\\Kestrowa"}},
    }};
    return table;
}

const TargetApp& FallbackApp() {
    static const TargetApp fallback{"アンインストーラ", " ：", "Sweepra.exe", {}};
    return fallback;
}

const TargetApp& AppOfRow(int row) {
    return row >= 0 && row < kAppCount ? AppTable()[static_cast<size_t>(row)] : FallbackApp();
}

std::string ToLowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

int RecognizeApp(const std::vector<std::string>& fileNames) {
    for (const std::string& name : fileNames) {
        std::string lower = ToLowerAscii(name);
        for (int row = kAppCount - 1; row >= 0; --row)
            if (lower.find(ToLowerAscii(AppOfRow(row).executable)) != std::string::npos) return row;
    }
    return kFallbackRow;
}

}  // namespace kestrowa
