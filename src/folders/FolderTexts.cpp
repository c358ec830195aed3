// Compiled with the execution character set CP932. Keep standard headers out of this file.
#include "folders/FolderTexts.h"

namespace velmora::text {

const char kFolderNotInCodePage[] =
    "フォルダ「%s」の名前には、この環境の文字コードで表せない文字があるため、開けません";

const char kIoError2[] = "ﾌｧｲﾙが見つかりません";
const char kIoError3[] = "不正なﾌｧｲﾙ名です";
const char kIoError4[] = "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます";
const char kIoError5[] = "ﾌｧｲﾙへのｱｸｾｽが拒否されました";
const char kIoError100[] = "ﾌｧｲﾙの末尾以降を読み込みました";
const char kIoError101[] = "ﾃﾞｨｽｸがいっぱいです";
const char kIoError106[] = "入力値が数値ではありません";
const char kIoErrorOther[] = "I/O ｴﾗｰ (%d)";

}  // namespace velmora::text
