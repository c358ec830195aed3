// Compiled with the execution character set CP932. Keep standard headers out of this file.
#include "TestTexts.h"

namespace velmora::test_text {

const char kNotepad[] = "メモ帳";
const char kNotepadFile[] = "メモ帳.txt";
const char kNotepadLink[] = "メモ帳.lnk";
const char kNotepadSuffixedLink[] = "メモ帳へのショートカット.lnk";
const char kSuffixedLink[] = "へのショートカット.lnk";
const char kSendToName[] = "ショートカット作成";
const char kSendToLink[] = "ショートカット作成.lnk";
const char kFolderEndingInSo[] = "テストソ";
const char kMaximised[] = "最大化";
const char kFontFace[] = "ＭＳ Ｐゴシック";

const char kConfirmNotepadOnDesktop[] =
    "\"メモ帳\"を「デスクトップ」に作成します。よろしいですか？";
const char kConfirmBeforeLabel[] = "を「";
const char kConfirmAfterLabel[] = "」に作成します。よろしいですか？";
const char kSendToOffer[] = "「送る」にVelmoraのショートカットを作成してもよろしいですか？";
const char kReplaceQuestionTail[] = " は既にあります。置き換えますか？";

const char kCannotCreate[] = " を作成できません";
const char kNoDestinationFolder[] = "ショートカットの作成先フォルダが見つかりません";
const char kNoWindowStateReport[] = "実行時の大きさが選択されていません.";
const char kAccessDeniedReportTail[] = " を作成できません。アクセスが拒否されました.";
const char kTwoFullStops[] = "。.";
const char kCannotCreateBecause[] = " を作成できません。";
const char kCannotWriteBecause[] = " に書き込めません。";
const char kNotCodePageTextTail[] = " には、この環境の文字コードにない文字があります";
const char kNameForbiddenReport[] =
    "ショートカットファイル名には \\ / : * ? \" < > | と制御文字は使えません.";
const char kNameEmptyReport[] = "ショートカットファイル名を入力してください.";
const char kNameEndsInDotOrBlankReport[] =
    "ショートカットファイル名の末尾にピリオドや空白は使えません.";
const char kNameIsDeviceReportTail[] =
    " はデバイスの名前なので、ショートカットファイル名に使えません.";
const char kPathNotInCodePageReportTail[] =
    " の名前には、この環境の文字コードで表せない文字があるため、使えません.";
const char kNameNotInCodePageReport[] =
    "「ショートカットファイル名」に、この環境の文字コードで表せない文字があります。"
    "別の文字に変わってしまうため、使えません.";
const char kParametersNotInCodePageReport[] =
    "「パラメータ」に、この環境の文字コードで表せない文字があります。"
    "別の文字に変わってしまうため、使えません.";
const char kIoFileNotFound[] = "ﾌｧｲﾙが見つかりません";
const char kIoInvalidName[] = "不正なﾌｧｲﾙ名です";
const char kIoTooManyOpen[] = "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます";
const char kIoAccessDenied[] = "ﾌｧｲﾙへのｱｸｾｽが拒否されました";
const char kIoReadPastEnd[] = "ﾌｧｲﾙの末尾以降を読み込みました";
const char kIoDiskFull[] = "ﾃﾞｨｽｸがいっぱいです";
const char kIoNotANumber[] = "入力値が数値ではありません";
const char kIoOther21[] = "I/O ｴﾗｰ (21)";
const char kIoOtherMinus1[] = "I/O ｴﾗｰ (-1)";
const char kHangulFolderMessage[] =
    "フォルダ「??」の名前には、この環境の文字コードで表せない文字があるため、開けません";

}  // namespace velmora::test_text
