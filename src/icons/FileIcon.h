#pragma once
// One icon of a file, owned by the caller: a stored icon by its index, or the shell's icon for
// the file.
#include <string>

#include "ui/Handles.h"

namespace velmora {

// Icon `index` stored in a program, library or icon file (ExtractIconA); none when the file
// holds no such icon, or for a negative index.
ui::UniqueIcon StoredIcon(const std::string& path, int index);

// The icon the shell shows for a file, at the large-icon size (SHGetFileInfoA); none when the
// shell has none, as for a path that does not exist.
ui::UniqueIcon ShellIcon(const std::string& path);

}  // namespace velmora
