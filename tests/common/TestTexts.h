#pragma once
// Japanese texts the tests of every tier expect, as the system code page's bytes (932), written
// out here rather than taken from the program so that a wrong program text shows. Host-buildable
// for the unit tests: it includes nothing.

namespace velmora::test_text {

extern const char kNotepad[];              // メモ帳
extern const char kNotepadFile[];          // メモ帳.txt
extern const char kNotepadLink[];          // メモ帳.lnk
extern const char kNotepadSuffixedLink[];  // メモ帳へのショートカット.lnk
extern const char kSuffixedLink[];         // へのショートカット.lnk
extern const char kSendToName[];           // ショートカット作成
extern const char kSendToLink[];           // ショートカット作成.lnk
extern const char kFolderEndingInSo[];     // ソ, whose second byte is a backslash byte
extern const char kMaximised[];            // 最大化, the third window state
extern const char kFontFace[];             // ＭＳ Ｐゴシック, the main window's font

// The create command's question for the name メモ帳 and the desktop.
extern const char kConfirmNotepadOnDesktop[];
// The question for any name and label: "\"" name kConfirmBeforeLabel label kConfirmAfterLabel.
extern const char kConfirmBeforeLabel[];
extern const char kConfirmAfterLabel[];
extern const char kSendToOffer[];
// The question before a link is replaced, after its file name.
extern const char kReplaceQuestionTail[];

// Error messages, and reports as the box shows them with the full stop the report appends.
extern const char kCannotCreate[];  // " を作成できません", after the file name
extern const char kNoDestinationFolder[];
extern const char kNoWindowStateReport[];
extern const char kAccessDeniedReportTail[];  // after a link's path: not made, access denied
extern const char kCannotCreateBecause[];     // after the file's path, before the reason
extern const char kCannotWriteBecause[];      // after the settings file's path, before the reason
extern const char kNotCodePageTextTail[];     // after a link's path: bytes that are no text
// The system's reason's full stop and the report's: never together.
extern const char kTwoFullStops[];
// Names that are no plain file name, as reported.
extern const char kNameForbiddenReport[];
extern const char kNameEmptyReport[];
extern const char kNameEndsInDotOrBlankReport[];
extern const char kNameIsDeviceReportTail[];       // after the name
extern const char kPathNotInCodePageReportTail[];  // after the path, "?" for what it lacks
// Typed or pasted text that the code page cannot hold, in the name and in the parameters.
extern const char kNameNotInCodePageReport[];
extern const char kParametersNotInCodePageReport[];
// The input/output errors by system error code: 2 and 3 for a folder that does not exist.
extern const char kIoFileNotFound[];
extern const char kIoInvalidName[];
extern const char kIoTooManyOpen[];   // 4
extern const char kIoAccessDenied[];  // 5
extern const char kIoReadPastEnd[];   // 100
extern const char kIoDiskFull[];      // 101
extern const char kIoNotANumber[];    // 106
extern const char kIoOther21[];       // any other code, 21
extern const char kIoOtherMinus1[];   // and 0xFFFFFFFF
// The error on opening the folder 한글, which the code page shows as "??".
extern const char kHangulFolderMessage[];

}  // namespace velmora::test_text
