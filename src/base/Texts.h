#pragma once
// The program's fixed texts, in the system code page (932), so that they combine byte for byte
// with paths and control texts. Defined in Texts.cpp, the one file compiled with that code page
// as its execution character set (the standard headers cannot be).

namespace velmora::text {

extern const char kSettingsFileName[];
extern const char kSection[];
extern const char kKeyStart[];
extern const char kKeyItemIndex[];
extern const char kKeyStrFlag[];
extern const char kKeyWindowState[];
extern const char kKeyInitialDir[];

extern const char kShortcutSuffix[];
extern const char kLinkExtension[];

// Error texts; %s is a file path.
extern const char kCannotWrite[];
extern const char kCannotCreate[];
extern const char kNoDestinationFolder[];
extern const char kInterfaceNotSupported[];
extern const char kNoWindowState[];
// %.8x is the failure code of a COM call that has no system message.
extern const char kOleError[];

// Input/output errors of the directory list, by system error code; %d is the code.
extern const char kIoError2[];
extern const char kIoError3[];
extern const char kIoError4[];
extern const char kIoError5[];
extern const char kIoError100[];
extern const char kIoError101[];
extern const char kIoError106[];
extern const char kIoErrorOther[];

// The create command's confirmation: "name" kConfirmAfterName label kConfirmEnd.
extern const char kConfirmAfterName[];
extern const char kConfirmEnd[];
// Caption of the main window while the shortcut is written.
extern const char kProductBanner[];

}  // namespace velmora::text
