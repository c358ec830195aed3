// Compiled with the execution character set CP932. Keep standard headers out of this file.
#include "folders/FolderTexts.h"

namespace velmora::text {

const char* const kDestinations[6] = {"デスクトップ",  "スタートメニュー", "スタートアップ",
                                      "送る (SendTo)", "同じディレクトリ", "任意のディレクトリ"};

const char kFolderNotInCodePage[] =
    "フォルダ「%s」の名前には、この環境の文字コードで表せない文字があるため、開けません";

}  // namespace velmora::text
