#pragma once
// The subfolders the directory list shows for a folder.
#include <string>
#include <vector>

namespace velmora {

// The names of the folder's subfolders, hidden and system ones left out, sorted by
// CompareStringA in the user's default locale ignoring case; of names that compare equal only
// the first listed. Empty when the folder cannot be listed.
std::vector<std::string> ReadSubfolderNames(const std::string& folder);

}  // namespace velmora
