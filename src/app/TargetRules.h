#pragma once
// Rules for the path that becomes the target, whichever way it arrives.
#include <string>
#include <string_view>

namespace velmora {

// A command-line path as the folder the program was started in sees it: a relative path is
// joined to that folder, a path from the root (\x) takes that folder's drive or share, and a
// drive-relative one (C:x) on that folder's drive is taken against it. An absolute path, a
// drive-relative one on another drive, or an empty folder leave the path as it is.
std::string ResolveAgainst(std::string_view folder, std::string_view path);

// A drive root keeps its backslash: "C:" names the current folder of drive C, "C:\" the drive.
// Any other path comes back unchanged.
std::string WithRootBackslash(std::string_view path);

}  // namespace velmora
