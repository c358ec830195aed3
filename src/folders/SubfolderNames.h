#pragma once
// The subfolders the directory list shows for a folder.
#include <string>
#include <vector>

#include "folders/DirectoryItems.h"

namespace velmora {

// The names of the folder's subfolders, hidden and system ones left out, sorted by
// CompareStringA in the user's default locale ignoring case. Read as UTF-16, so that a name the
// code page cannot hold is marked as such instead of arriving as a look-alike. Empty when the
// folder cannot be listed.
std::vector<SubfolderName> ReadSubfolderNames(const std::string& folder);

}  // namespace velmora
