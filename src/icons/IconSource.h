#pragma once
// A check of an icon source's structure from its bytes, made before any of the system's icon
// calls gets the file. The system reads icon files and 32-, 64- and 16-bit programs trusting
// every count, offset and size they hold, and ends the process on a damaged one; this reader
// takes those files apart the same way, but reads nothing outside the bytes it was given.
#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

// The kinds of file the system takes icons from, told apart by their first bytes as the system
// tells them apart (never by the file's name).
enum class IconSourceKind { None, IconFile, Program, Program16 };

struct IconSourceCheck {
  IconSourceKind kind = IconSourceKind::None;
  // False when the file's directories or headers are damaged: it then counts as a file without
  // icons, and no icon call may read it.
  bool sound = true;
  // The file's icons, numbered as the system numbers them (ExtractIconExA gives the same count),
  // each true when its group and all its images are whole. A damaged icon of a sound program
  // keeps its number, so that the icons after it keep theirs.
  std::vector<bool> whole;

  int Count() const { return static_cast<int>(whole.size()); }
  bool Whole(int index) const {
    return index >= 0 && index < Count() && whole[static_cast<std::size_t>(index)];
  }
  bool AllWhole() const;
};

IconSourceCheck CheckIconSource(std::span<const std::uint8_t> bytes);

}  // namespace velmora
