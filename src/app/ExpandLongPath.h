#pragma once
#include <string>

namespace velmora {

// The path made absolute, with the long name of every component in the letter case stored on
// disk; from the first component that is not found, the rest is kept as it came. A component
// with "*" or "?" counts as not found, and so does one whose path is too long to look up.
std::string ExpandLongPath(const std::string& path);

// A target's path as the window takes it: the long form, with a drive root's backslash put
// back, since the long form of a root has lost it and C: alone would make a link to the drive's
// current folder.
std::string TargetPath(const std::string& path);

}  // namespace velmora
