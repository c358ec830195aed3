#pragma once
// Texts of the custom-folder picker, in the system code page (932). Defined in FolderTexts.cpp,
// compiled with that execution character set.

namespace velmora::text {

// %s is the folder's name as the list shows it, "?" for each character the code page lacks.
extern const char kFolderNotInCodePage[];

// Input/output errors of the directory list, by system error code; %d is the code.
extern const char kIoError2[];
extern const char kIoError3[];
extern const char kIoError4[];
extern const char kIoError5[];
extern const char kIoError100[];
extern const char kIoError101[];
extern const char kIoError106[];
extern const char kIoErrorOther[];

}  // namespace velmora::text
