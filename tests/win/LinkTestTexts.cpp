// Compiled with the execution character set CP932. Keep standard headers out of this file.
#include "LinkTestTexts.h"

namespace velmora::test_text {

const char kNotepad[] = "メモ帳";
const char kSuffixedLink[] = "へのショートカット.lnk";
const char kSendToName[] = "ショートカット作成";
const char kFolderEndingInSo[] = "テストソ";
const char kCannotCreate[] = " を作成できません";
const char kNoDestinationFolder[] = "ショートカットの作成先フォルダが見つかりません";

}  // namespace velmora::test_text
