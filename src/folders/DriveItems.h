#pragma once
// The drive list's items, worked out without a window: which drives get an item, the item's
// text, and the item a drive letter selects.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Each kind is drawn with its own drive picture.
enum class DriveKind { kRemovable, kFixed, kRemote, kCdRom, kRamDisk };

// The case of the drive letters in the item texts.
enum class TextCase { kLowerCase, kUpperCase };

// The kind of a GetDriveTypeA result: 2 removable, 3 fixed, 4 remote, 5 CD-ROM, 6 RAM disk; the
// other types (unknown, no root folder) get no item.
std::optional<DriveKind> DriveKindOf(unsigned driveType);

// A drive letter in the list's text case.
char InTextCase(char letter, TextCase textCase);
// Drive letters compared as the list compares them, ignoring case; '\0' (no drive) matches
// only itself.
bool SameDriveLetter(char left, char right);

// "[name]"; an unnamed volume gives empty brackets.
std::string VolumeTag(std::string_view name);
// The item text: the letter and a colon, then a blank and the volume tag or network name,
// unless the drive is removable, which is shown by its letter alone.
std::string DriveItemText(char letter, DriveKind kind, std::string_view tagOrName);

// The first item whose first character is the letter, ignoring case, and whose second is a
// colon; -1 when there is none.
int FindDriveItem(const std::vector<std::string>& texts, char letter);

}  // namespace velmora
