#pragma once
// Entering folders for the directory list: the process's current directory follows the list.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The process's current directory as the system reports it, whatever its length.
std::string CurrentDirectory();

// Enters the folder a path names and returns the process's new current directory, as the
// system reports it. A path whose last component names an existing file, or holds "*" or "?",
// leads to the folder that holds it; a path without a drive is taken on the current drive, a
// relative one against the current folder of its drive. Raises Error(IoErrorText(code)) when
// a folder cannot be entered, leaving the current directory as it was. An empty path enters
// nothing and gives the current directory.
std::string EnterDirectory(const std::string& path);

// The file-system flags (FS_CASE_SENSITIVE, FS_CASE_IS_PRESERVED, ...) of the volume a path is
// on; the current volume's for a path without a drive; nullopt when the volume does not answer.
std::optional<unsigned long> FileSystemFlags(std::string_view path);

// Whether two directory paths name the same folder, compared with CompareStringA in the user's
// default locale; unless the volume of `current` is case-sensitive, both are first lower-cased
// (single-byte A-Z only on double-byte systems).
bool SameDirectory(const std::string& current, const std::string& other);

}  // namespace velmora
