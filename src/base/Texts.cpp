// Compiled with the execution character set CP932: every literal here is stored as the system
// code page's bytes. Keep standard headers out of this file.
#include "base/Texts.h"

namespace velmora::text {

const char kAppTitle[] = "Velmora";
const char kSettingsFileName[] = "\\Velmora.ini";
const char kSection[] = "Window";
const char kKeyStart[] = "Start";
const char kKeyItemIndex[] = "ItemIndex";
const char kKeyStrFlag[] = "StrFlag";
const char kKeyWindowState[] = "WindowState";
const char kKeyInitialDir[] = "InitialDir";

const char kFontFace[] = "ＭＳ Ｐゴシック";

const char kLabel1[] = "リンク先ファイル名";
const char kLabel2[] = "ショートカットファイル名";
const char kLabel3[] = "パラメータ";
const char kLabel4[] = "実行時の大きさ";
const char kButton1[] = "参照";
const char kRadioGroup1[] = "ショートカット作成先";
const char kCheckBox1[] = "「～へのショートカット」 を付けない";
const char* const kWindowStates[3] = {"通常のウィンドウ", "最小化", "最大化"};
const char kGroupBox1[] = "アイコン指定";
const char kButton2[] = "参　照";
const char kGroupBox2[] = "任意のディレクトリ指定";
const char kBitBtn1[] = "　シ　ョ　ー　ト　カ　ッ　ト　作　成";
const char kBitBtn2[] = "閉じる(&C)";
const char kOpenFilter[] = "すべてのﾌｧｲﾙ|*.*";

const char kShortcutSuffix[] = "へのショートカット.lnk";
const char kLinkExtension[] = ".lnk";
const char kSendToName[] = "ショートカット作成";
const char kSendToOffer[] = "「送る」にVelmoraのショートカットを作成してもよろしいですか？";

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
