// Compiled with the code page 932 execution character set; no standard headers here.
#include "TypicalWindowTexts.h"

namespace typical_window {

const char kTitle[] = "典型的なウィンドウ";
const char kFontFace[] = "ＭＳ Ｐゴシック";
const char* const kLabels[6] = {"ファイル名",     "説明",           "引数",
                                "実行時の大きさ", "作業フォルダー", "メモ"};
const char* const kButtons[6] = {"参照", "追加", "削除", "変更", "　実　行", "閉じる(&C)"};
const char* const kGroups[2] = {"種類", "一覧"};
const char* const kRadios[4] = {"デスクトップ", "スタートメニュー", "スタートアップ",
                                "送る (SendTo)"};
const char* const kChecks[4] = {"上書きを確認する", "名前に番号を付ける", "終了時に閉じる",
                                "管理者として実行"};
const char* const kListItems[5] = {"項目その一", "項目その二", "項目その三", "項目その四",
                                   "項目その五"};
const char* const kComboItems[3] = {"通常のウィンドウ", "最小化", "最大化"};

}  // namespace typical_window
