// Compiled with the execution character set CP932: every literal here is stored as the system
// code page's bytes. Keep standard headers out of this file.
#include "base/Texts.h"

namespace velmora::text {

const char kSettingsFileName[] = "\\Velmora.ini";
const char kSection[] = "Window";
const char kKeyStart[] = "Start";
const char kKeyItemIndex[] = "ItemIndex";
const char kKeyStrFlag[] = "StrFlag";
const char kKeyWindowState[] = "WindowState";
const char kKeyInitialDir[] = "InitialDir";

const char kShortcutSuffix[] = "へのショートカット.lnk";
const char kLinkExtension[] = ".lnk";

// Error texts; %s is a file path.
const char kCannotWrite[] = "%s に書き込めません";
const char kCannotCreate[] = "%s を作成できません";
const char kNoDestinationFolder[] = "ショートカットの作成先フォルダが見つかりません";
const char kInterfaceNotSupported[] = "Interface はｻﾎﾟｰﾄされていません";
const char kNoWindowState[] = "実行時の大きさが選択されていません";
const char kOleError[] = "OLE ｴﾗｰ %.8x";

const char kIoError2[] = "ﾌｧｲﾙが見つかりません";
const char kIoError3[] = "不正なﾌｧｲﾙ名です";
const char kIoError4[] = "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます";
const char kIoError5[] = "ﾌｧｲﾙへのｱｸｾｽが拒否されました";
const char kIoError100[] = "ﾌｧｲﾙの末尾以降を読み込みました";
const char kIoError101[] = "ﾃﾞｨｽｸがいっぱいです";
const char kIoError106[] = "入力値が数値ではありません";
const char kIoErrorOther[] = "I/O ｴﾗｰ (%d)";

const char kConfirmAfterName[] = "を「";
const char kConfirmEnd[] = "」に作成します。よろしいですか？";
const char kProductBanner[] = "Velmora - ショートカットを作成しています";

}  // namespace velmora::text
