#pragma once
// Path rules over byte strings in the system code page, double-byte aware through
// LeadBytes::Active(). Positions are byte offsets; npos means "not found".
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// First backslash at or after byte offset `from` that is a character of its own.
std::size_t FindBackslash(std::string_view path, std::size_t from);
// Last byte that is a character of its own and one of `chars` (for example "\\:" or ".\\:").
std::size_t FindLastOf(std::string_view path, std::string_view chars);

// "C:" or "\\server\share"; empty when the path starts with neither.
std::string DrivePart(std::string_view path);
// The drive letter of a path as written, or '\0' for a network path (or none).
char DriveLetterOf(std::string_view path);

// Folder part of a path without its closing backslash, except at a root: C:\Dir\File.txt gives
// C:\Dir, C:\File.txt gives C:\, File.txt gives an empty string.
std::string DirectoryOf(std::string_view path);

// The file-name part of a path: everything after its last backslash or colon, or the whole path.
std::string FileNameOf(std::string_view path);

// The shortcut name proposed for a target: its file-name part without the extension.
std::string ProposedName(std::string_view path);

}  // namespace velmora
