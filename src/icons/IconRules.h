#pragma once
// Window-free rules of the icon choice.
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// The file extension of a path: from the last "." after the last "\" or ":", dot included, with
// its ASCII letters lower-cased; empty when the file name has none. Double-byte aware.
std::string LowerExtension(std::string_view path);

// Where the preview of a file comes from: a program's first stored icon, or the icon the shell
// shows for any other file.
enum class PreviewSource { FirstStoredIcon, ShellIcon };
PreviewSource PreviewSourceFor(std::string_view path);

// Whether an answer of ExtractIconA for `index` is an icon handle. It is not when it is null,
// when it is 1 (the file holds no icons because it is no program, library or icon file), or
// when the index is negative (the answer is then the file's icon count).
bool IsIconHandle(int index, std::uintptr_t answer);

// What a file gave the icon list.
enum class FileIcons {
  kMissing,     // no file or folder by that name: nothing
  kNoneStored,  // none of its own: the shell's icon for the file, when the shell has one
  kStored,      // its stored icons, image i icon i
};

// Which file a path named at one moment, and its content then: a file written, cut, replaced or
// deleted since has another stamp. A folder, or a file that cannot be opened, has only `exists`.
struct IconFileStamp {
  bool exists = false;
  std::uint32_t volume = 0;
  std::uint64_t fileIndex = 0;
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;
  bool operator==(const IconFileStamp&) const = default;
};

// Whether an icon list made from a file, which gave it `listed` when it had the stamp `then`,
// still shows what the file holds at `now`: its stored icons while it is the same file,
// unchanged; the shell's icon for it while it exists; nothing while it is missing.
bool ListStillHolds(FileIcons listed, const IconFileStamp& then, const IconFileStamp& now);

}  // namespace velmora
