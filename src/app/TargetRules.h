#pragma once
// Rules for the path that becomes the target, whichever way it arrives.
#include <functional>
#include <optional>
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

// What rewriting a path with long names asks of the system.
struct LongNameLookup {
  // The path made absolute; the path itself when the system cannot.
  std::function<std::string(const std::string& path)> fullPath;
  // The name stored on disk for the last component of an absolute path; nullopt when none is
  // found.
  std::function<std::optional<std::string>(const std::string& path)> storedName;
};

// The absolute form of a path, each component of a drive path ("C:\...") replaced by its
// stored name; from the first component that is not found, the rest is kept as it came, and a
// closing backslash is dropped ("C:\" gives "C:"). Counted as not found without asking: an
// empty component, one with "*" or "?" (it would match another entry), one whose path is too
// long for the system's lookup, and a stored name that is empty or holds a backslash.
std::string ExpandLongNames(const std::string& path, const LongNameLookup& lookup);

}  // namespace velmora
