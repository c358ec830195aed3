#pragma once
// The directory list's items, worked out from its Directory without a window: the folders from
// the drive or network root down to the open folder, then the open folder's subfolders. Paths
// are byte strings in the system code page; a backslash byte that ends a double-byte character
// is never a separator.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/PathRules.h"

namespace velmora {

// Each kind is drawn with its own folder picture.
enum class FolderKind {
  kOpen,     // the root and every folder above the open one
  kCurrent,  // the open folder
  kClosed,   // a subfolder of the open folder
};

struct DirectoryItem {
  std::string text;
  FolderKind kind;
};

// A subfolder's name as the list shows it. A name the code page cannot hold exactly shows each
// character it lacks as the code page's default character ("caf?"); the program's byte-string
// calls cannot open that folder, so the list only says why.
struct SubfolderName {
  std::string text;
  bool inCodePage = true;
};

// Backslashes that are characters of their own.
int CountBackslashes(std::string_view path);
// A folder and a name with one backslash between them, none added after a closing one.
std::string JoinPath(std::string_view folder, std::string_view name);

// The system's file-system flags FS_CASE_SENSITIVE and FS_CASE_IS_PRESERVED.
inline constexpr unsigned long kCaseSensitiveFlag = 0x1;
inline constexpr unsigned long kCasePreservedFlag = 0x2;
// Whether names are shown as stored: on volumes that keep or respect their case. Other volumes
// show them in lower case.
inline constexpr bool ShowsStoredCase(unsigned long fileSystemFlags) {
  return (fileSystemFlags & (kCaseSensitiveFlag | kCasePreservedFlag)) != 0;
}

class DirectoryItems {
 public:
  DirectoryItems() = default;
  // `directory` is absolute, as the system reports a current directory; `subfolders` are its
  // subfolders' names in the order the list shows them.
  DirectoryItems(std::string directory, std::vector<SubfolderName> subfolders);

  int Count() const;
  const std::string& Text(int index) const;
  FolderKind Kind(int index) const;
  // The item selected after a rebuild: the open folder, or the root item of a network root.
  int OpenFolderIndex() const { return static_cast<int>(tree_.size()) - 1; }
  // Pixels from the item's left edge to its picture: 4 per tree level plus 2; subfolders 4 per
  // backslash of the directory plus 6.
  int Indent(int index) const;
  // Whether the item names its folder exactly, so that opening it opens that folder.
  bool CanOpen(int index) const;
  // The folder item `index` stands for; empty past the last item and for an item that cannot
  // be opened.
  std::string Path(int index) const;

 private:
  std::string directory_;
  int closedIndent_ = 6;  // worked out once, not for every row drawn
  std::vector<DirectoryItem> tree_;
  std::vector<SubfolderName> subfolders_;
};

// Sorts subfolder names by their texts with `compare` (negative, zero or positive, like strcmp).
// Names that compare equal keep their listed order and are all kept: they are different folders
// (on a case-sensitive volume, or shown alike by the code page).
using NameComparison = int (*)(const std::string& left, const std::string& right);
// A name's sort key: keys in byte order are meant to order names as `compare` does. They save
// most of the comparisons; one pass of `compare` over the neighbours then checks the order, and
// when a key is wrong the names are sorted by `compare` alone.
using SortKey = std::string (*)(const std::string& name);
void SortSubfolderNames(std::vector<SubfolderName>& names, NameComparison compare,
                        SortKey key = nullptr);
// The same with the keys made already, one a name in the names' order, and `compare` given the
// names' positions before the sort: a caller that holds the names in another form as well can
// make the keys and compare from that form.
using PositionComparison = std::function<int(std::size_t left, std::size_t right)>;
void SortSubfolderNames(std::vector<SubfolderName>& names,
                        const std::vector<std::string_view>& keys,
                        const PositionComparison& compare);

}  // namespace velmora
