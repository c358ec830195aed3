#pragma once
#include <string>

namespace velmora {

// The path made absolute, with the long name of every component in the letter case stored on
// disk; from the first component that is not found, the rest is kept as it came. A component
// with "*" or "?" counts as not found, and so does one whose path is too long to look up.
std::string ExpandLongPath(const std::string& path);

}  // namespace velmora
