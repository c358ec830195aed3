// Compiled with the execution character set CP932. Keep standard headers out of this file.
#include "shortcut/ShortcutTexts.h"

namespace velmora::text {

const char kNameForbiddenCharacter[] =
    "ショートカットファイル名には \\ / : * ? \" < > | と制御文字は使えません";
const char kNameEmpty[] = "ショートカットファイル名を入力してください";
const char kNameEndsInDotOrBlank[] = "ショートカットファイル名の末尾にピリオドや空白は使えません";
const char kNameIsDevice[] = "%s はデバイスの名前なので、ショートカットファイル名に使えません";
const char kReplaceQuestion[] = "%s は既にあります。置き換えますか？";
const char kNotCodePageText[] = "%s には、この環境の文字コードにない文字があります";
const char kFieldNotInCodePage[] =
    "「%s」に、この環境の文字コードで表せない文字があります。"
    "別の文字に変わってしまうため、使えません";
const char kCannotCreateBecause[] = "%s を作成できません。";

}  // namespace velmora::text
