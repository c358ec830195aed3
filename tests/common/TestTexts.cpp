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

const char kConfirmNotepadOnDesktop[] =
    "\"メモ帳\"を「デスクトップ」に作成します。よろしいですか？";
const char kConfirmBeforeLabel[] = "を「";
const char kConfirmAfterLabel[] = "」に作成します。よろしいですか？";
const char kSendToOffer[] = "「送る」にVelmoraのショートカットを作成してもよろしいですか？";

const char kCannotCreate[] = " を作成できません";
const char kNoDestinationFolder[] = "ショートカットの作成先フォルダが見つかりません";
const char kNoWindowStateReport[] = "実行時の大きさが選択されていません.";
const char kCannotCreateReportTail[] = " を作成できません.";
const char kCannotWriteReportTail[] = " に書き込めません.";
const char kIoFileNotFound[] = "ﾌｧｲﾙが見つかりません";
const char kIoInvalidName[] = "不正なﾌｧｲﾙ名です";

}  // namespace velmora::test_text
