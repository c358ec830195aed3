// Compiled with the execution character set CP932. Keep standard headers out of this file.
#include "app/SettingsTexts.h"

namespace velmora::text {

const char kSettingsFileName[] = "\\Velmora.ini";
const char kSection[] = "Window";
const char kKeyStart[] = "Start";
const char kKeyItemIndex[] = "ItemIndex";
const char kKeyStrFlag[] = "StrFlag";
const char kKeyWindowState[] = "WindowState";
const char kKeyInitialDir[] = "InitialDir";

const char kCannotWrite[] = "%s に書き込めません";
const char kCannotWriteBecause[] = "%s に書き込めません。";

}  // namespace velmora::text
