#pragma once
// Japanese texts the unit tests expect, as the CP932 bytes the program works with. Defined in
// UnitTexts.cpp, which is compiled with CP932 as its execution character set.

namespace velmora::unit_text {

extern const char kSo[];  // ソ: its second byte is 0x5C, the backslash code
extern const char kPo[];  // ポ: its second byte is 0x7C, the bar code
extern const char kSoFolderFile[];
extern const char kSoFolder[];
extern const char kSoFolderWithSlash[];
extern const char kDirSoName[];

extern const char kMemo[];
extern const char kMemoWithSuffix[];
extern const char kDesktop[];
extern const char kSendTo[];
extern const char kMemoOnDesktopQuestion[];

extern const char kCannotWriteMessage[];
extern const char kCannotWriteReport[];
extern const char kAccessDeniedMessage[];
extern const char kAccessDeniedTrimmed[];

extern const char kOleNoInterface[];
extern const char kOleSmallCode[];
extern const char kOleLowerCase[];

extern const char kIoFileNotFound[];
extern const char kIoInvalidName[];
extern const char kIoTooManyOpen[];
extern const char kIoAccessDenied[];
extern const char kIoReadPastEnd[];
extern const char kIoDiskFull[];
extern const char kIoNotANumber[];
extern const char kIoOther21[];
extern const char kIoOtherMinus1[];

}  // namespace velmora::unit_text
