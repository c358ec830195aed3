#pragma once
// Texts of the destination choice and the custom-folder picker, in the system code page (932).
// Defined in FolderTexts.cpp, compiled with that execution character set.

namespace velmora::text {

// The captions of the six destinations, by their index (Destination.h).
extern const char* const kDestinations[6];

// %s is the folder's name as the list shows it, "?" for each character the code page lacks.
extern const char kFolderNotInCodePage[];

}  // namespace velmora::text
