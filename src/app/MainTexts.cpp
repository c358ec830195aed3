// Compiled with the execution character set CP932. Keep standard headers out of this file.
#include "app/MainTexts.h"

namespace velmora::text {

const char kAppTitle[] = "Velmora";
const char kFontFace[] = "ＭＳ Ｐゴシック";

const char kLabel1[] = "リンク先ファイル名";
const char kLabel2[] = "ショートカットファイル名";
const char kLabel3[] = "パラメータ";
const char kLabel4[] = "実行時の大きさ";
const char kButton1[] = "参照";
const char kRadioGroup1[] = "ショートカット作成先";
const char kCheckBox1[] = "「～へのショートカット」 を付けない";
const char* const kWindowStates[3] = {"通常のウィンドウ", "最小化", "最大化"};
const char kGroupBox1[] = "アイコン指定";
const char kButton2[] = "参　照";
const char kGroupBox2[] = "任意のディレクトリ指定";
const char kBitBtn1[] = "　シ　ョ　ー　ト　カ　ッ　ト　作　成";
const char kBitBtn2[] = "閉じる(&C)";
const char kOpenFilter[] = "すべてのﾌｧｲﾙ|*.*";

const char kNoWindowState[] = "実行時の大きさが選択されていません";

const char kConfirmCaption[] = "確認";
const char kConfirmYes[] = "はい(&Y)";
const char kConfirmNo[] = "いいえ(&N)";

const char kSendToOffer[] = "「送る」にVelmoraのショートカットを作成してもよろしいですか？";
const char kSendToName[] = "ショートカット作成";

const char kIconFileChanged[] = "%s が変更されたため、アイコンの一覧を読み直しました";
const char kIconFileGone[] = "%s が見つからないため、リンク先のアイコンの一覧に戻しました";

}  // namespace velmora::text
