#include "UnitTexts.h"

namespace velmora::unit_text {

const char kSo[] = "ソ";
const char kPo[] = "ポ";
const char kSoFolderFile[] = "C:\\ソ\\file.txt";
const char kSoFolder[] = "C:\\ソ";
const char kSoFolderWithSlash[] = "C:\\ソ\\";
const char kDirSoName[] = "C:\\Dir\\ソ";

const char kMemoWithSuffix[] = "C:\\Users\\d\\Desktop\\メモ帳へのショートカット.lnk";
const char kDesktop[] = "デスクトップ";
const char kSendTo[] = "送る (SendTo)";

const char kCannotWriteMessage[] = "C:\\Velmora.ini に書き込めません";
const char kCannotWriteReport[] = "C:\\Velmora.ini に書き込めません.";
const char kAccessDeniedMessage[] = "アクセスが拒否されました。\r\n";
const char kAccessDeniedTrimmed[] = "アクセスが拒否されました";

const char kOleNoInterface[] = "OLE ｴﾗｰ 80004002";
const char kOleSmallCode[] = "OLE ｴﾗｰ 00000001";
const char kOleLowerCase[] = "OLE ｴﾗｰ abcdef01";

}  // namespace velmora::unit_text
