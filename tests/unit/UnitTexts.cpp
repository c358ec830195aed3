#include "UnitTexts.h"

namespace velmora::unit_text {

const char kSo[] = "ソ";
const char kPo[] = "ポ";
const char kSoFolderFile[] = "C:\\ソ\\file.txt";
const char kSoFolder[] = "C:\\ソ";
const char kSoFolderWithSlash[] = "C:\\ソ\\";
const char kDirSoName[] = "C:\\Dir\\ソ";

const char kMemo[] = "メモ帳";
const char kMemoWithSuffix[] = "C:\\Users\\d\\Desktop\\メモ帳へのショートカット.lnk";
const char kDesktop[] = "デスクトップ";
const char kSendTo[] = "送る (SendTo)";
const char kMemoOnDesktopQuestion[] = "\"メモ帳\"を「デスクトップ」に作成します。よろしいですか？";

const char kCannotWriteMessage[] = "C:\\Velmora.ini に書き込めません";
const char kCannotWriteReport[] = "C:\\Velmora.ini に書き込めません.";
const char kAccessDeniedMessage[] = "アクセスが拒否されました。\r\n";
const char kAccessDeniedTrimmed[] = "アクセスが拒否されました。";

const char kOleNoInterface[] = "OLE ｴﾗｰ 80004002";
const char kOleSmallCode[] = "OLE ｴﾗｰ 00000001";
const char kOleLowerCase[] = "OLE ｴﾗｰ abcdef01";

const char kIoFileNotFound[] = "ﾌｧｲﾙが見つかりません";
const char kIoInvalidName[] = "不正なﾌｧｲﾙ名です";
const char kIoTooManyOpen[] = "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます";
const char kIoAccessDenied[] = "ﾌｧｲﾙへのｱｸｾｽが拒否されました";
const char kIoReadPastEnd[] = "ﾌｧｲﾙの末尾以降を読み込みました";
const char kIoDiskFull[] = "ﾃﾞｨｽｸがいっぱいです";
const char kIoNotANumber[] = "入力値が数値ではありません";
const char kIoOther21[] = "I/O ｴﾗｰ (21)";
const char kIoOtherMinus1[] = "I/O ｴﾗｰ (-1)";

}  // namespace velmora::unit_text
