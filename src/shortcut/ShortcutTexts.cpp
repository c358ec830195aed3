// Compiled with the execution character set CP932. Keep standard headers out of this file.
#include "shortcut/ShortcutTexts.h"

namespace velmora::text {

const char kDestinationDesktop[] = "デスクトップ";
const char kDestinationStartMenu[] = "スタートメニュー";
const char kDestinationStartup[] = "スタートアップ";
const char kDestinationSendTo[] = "送る (SendTo)";
const char kDestinationSameDirectory[] = "同じディレクトリ";
const char kDestinationAnyDirectory[] = "任意のディレクトリ";

const char kConfirmAfterName[] = "を「";
const char kConfirmEnd[] = "」に作成します。よろしいですか？";
const char kProductBanner[] = "Velmora - ショートカットを作成しています";

const char kShortcutSuffix[] = "へのショートカット.lnk";
const char kLinkExtension[] = ".lnk";

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
const char kCannotCreate[] = "%s を作成できません";
const char kNoDestinationFolder[] = "ショートカットの作成先フォルダが見つかりません";
const char kInterfaceNotSupported[] = "Interface はｻﾎﾟｰﾄされていません";

}  // namespace velmora::text
