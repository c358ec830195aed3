#pragma once
// One icon of a checked file (CheckedIconFile.h), owned by the caller: a stored icon by its
// index, or the shell's icon for the file.
#include "icons/CheckedIconFile.h"
#include "ui/Handles.h"

namespace velmora {

// Icon `index` stored in a program, library or icon file (ExtractIconA); none when the file
// holds no such icon or the check keeps the system from reading it, and for a negative index.
ui::UniqueIcon StoredIcon(const CheckedIconFile& file, int index);

// The icon the shell shows for a file, at the large-icon size (SHGetFileInfoA); none when the
// shell has none, as for a path that does not exist. For a file the check keeps the shell from
// reading, the icon the shell shows for files of its kind.
ui::UniqueIcon ShellIcon(const CheckedIconFile& file);

}  // namespace velmora
