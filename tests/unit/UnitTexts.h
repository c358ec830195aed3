#pragma once
// Japanese texts only the unit tests expect, as the CP932 bytes the program works with (those
// of every tier are in tests/common/TestTexts.h). Defined in UnitTexts.cpp, which is compiled
// with CP932 as its execution character set.

namespace velmora::unit_text {

extern const char kSo[];  // ソ: its second byte is 0x5C, the backslash code
extern const char kPo[];  // ポ: its second byte is 0x7C, the bar code
extern const char kSoFolderFile[];
extern const char kSoFolder[];
extern const char kSoFolderWithSlash[];
extern const char kDirSoName[];

extern const char kMemoWithSuffix[];
extern const char kDesktop[];
extern const char kSendTo[];

extern const char kCannotWriteMessage[];
extern const char kCannotWriteReport[];
extern const char kAccessDeniedMessage[];
extern const char kAccessDeniedTrimmed[];

extern const char kOleNoInterface[];
extern const char kOleSmallCode[];
extern const char kOleLowerCase[];

}  // namespace velmora::unit_text
